#pragma once
// The primary display: its size and its resolution in pixels per inch. The resolution can be
// set explicitly, so that layouts can be exercised at resolutions other than the machine's.

class TScreen {
  public:
    int PixelsPerInch() const;
    // 0 returns to the display's own resolution.
    void SetPixelsPerInch(int ppi) { ppiOverride_ = ppi; }
    int Width() const;
    int Height() const;

  private:
    int ppiOverride_ = 0;
};

TScreen& Screen();
