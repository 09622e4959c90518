// A track bar (slider) whose change handler runs exactly when its position
// changes, whether the user moved it or code set it.
#pragma once

#include <functional>

#include "ui/controls/control.h"

namespace quorvel::ui {

class TrackBar : public Control {
public:
    // The range; a position outside it is clamped (running onChange if it moves).
    void SetRange(int min, int max);
    int Min() const;
    int Max() const;
    int Position() const { return position_; }
    // Moves the thumb to value clamped into the range; runs onChange only when
    // the position really changes.
    void SetPosition(int value);

    // Keys Page Up/Down move the thumb this far; a tick mark every `every` steps.
    void SetPageSize(int size);
    void SetTickFrequency(int every);
    // The thumb's length in 96-dpi pixels (TBS_FIXEDLENGTH), kept at every DPI.
    void SetThumbLength96(int length96);

    // The new position, after every real change.
    std::function<void(int position)> onChange;

    bool ReflectScroll(int code) override;

protected:
    void OnAttach() override;
    void OnDpiChanged(UINT oldDpi) override;

private:
    void Changed();
    int position_ = 0;
    int thumbLength96_ = 0;
};

}  // namespace quorvel::ui
