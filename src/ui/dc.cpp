#include "ui/dc.h"

#include <algorithm>

namespace quorvel::ui {

HDC MeasuringDc() {
    static const MemoryDc dc(CreateCompatibleDC(nullptr));
    return dc.Get();
}

BackBuffer::~BackBuffer() {
    // The bitmap may only be deleted once it is no longer selected.
    if (dc_ && originalBitmap_) SelectObject(dc_.Get(), originalBitmap_);
}

HDC BackBuffer::Begin(HDC target, int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (!dc_) {
        dc_.Reset(CreateCompatibleDC(target));
        if (!dc_) return nullptr;
    }
    if (!bitmap_ || width > width_ || height > height_) {
        // Grow a little beyond the asked size, so a clock whose text widens by a
        // digit does not make a new bitmap at every change.
        const int w = std::max(width, width_) + 32;
        const int h = std::max(height, height_) + 8;
        Bitmap bitmap(CreateCompatibleBitmap(target, w, h));
        if (!bitmap) return nullptr;
        const HGDIOBJ previous = SelectObject(dc_.Get(), bitmap.Get());
        if (!originalBitmap_) originalBitmap_ = previous;
        bitmap_ = std::move(bitmap);  // the old bitmap is deselected by now
        width_ = w;
        height_ = h;
    }
    return dc_.Get();
}

void BackBuffer::Present(HDC target, const RECT& area) const {
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.Get(), area.left,
           area.top, SRCCOPY);
}

}  // namespace quorvel::ui
