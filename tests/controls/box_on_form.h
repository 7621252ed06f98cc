#pragma once
// A form holding a 100 x 60 picture box at (10, 10), for the picture box's tests.

#include <memory>
#include <string>

#include "controls/cx_image.h"
#include "tests/framework/pixel_canvas.h"
#include "tests/framework/test_form.h"
#include "tests/picture/png_test_util.h"

struct BoxOnForm {
    TPlainForm form{nullptr};
    TcxImage* box;
    BoxOnForm() {
        form.SetBounds(50, 50, 300, 200);
        box = Place<TcxImage>(form, &form, 10, 10, 100, 60);
    }
    std::unique_ptr<PixelCanvas> Paint() { return PrintClient(*box); }
};

// Reads a picture from its stored value: the kind's tag, then the file.
inline void ReadStored(TPicture& picture, const std::string& tag, const TBytes& file) {
    const TBytes value = StoredValue(tag, file);
    picture.ReadData(value.data(), value.size());
}
