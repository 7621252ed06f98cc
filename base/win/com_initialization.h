#pragma once
// COM initialised on this thread (single-threaded apartment) for the life of the object; it is
// uninitialised again only when the initialisation succeeded.

#include <objbase.h>

class ComInitialization {
  public:
    ComInitialization() : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}
    ComInitialization(const ComInitialization&) = delete;
    ComInitialization& operator=(const ComInitialization&) = delete;
    ~ComInitialization() {
        if (initialized_)
            CoUninitialize();
    }

  private:
    bool initialized_;
};
