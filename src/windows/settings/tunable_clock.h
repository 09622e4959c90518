// The clock's face as the settings window sees it: the state it reads back when
// it is shown and changes live. The clock window implements it; the settings
// window holds no settings of its own.
#pragma once

#include <cstdint>
#include <string>

#include "core/colour.h"
#include "core/font.h"

namespace quorvel {

// The clock face's three texts.
enum class FaceLabel { Text, Shadow, Outline };

class TunableClock {
public:
    // Opacity of the whole window, 0 (invisible) to 255.
    virtual std::uint8_t Opacity() const = 0;
    virtual void SetOpacity(std::uint8_t opacity) = 0;
    // The window colour, painted behind the text.
    virtual Colour BackgroundColour() const = 0;
    virtual void SetBackgroundColour(Colour colour) = 0;
    // The colour key: while on, every pixel of exactly the key colour is see-through.
    virtual bool ColourKeyOn() const = 0;
    virtual void SetColourKeyOn(bool on) = 0;
    virtual void SetColourKey(Colour key) = 0;

    virtual const FontSpec& LabelFont(FaceLabel label) const = 0;
    virtual void SetLabelFont(FaceLabel label, const FontSpec& font) = 0;
    virtual bool LabelVisible(FaceLabel label) const = 0;
    virtual void SetLabelVisible(FaceLabel label, bool visible) = 0;

    // The clock text's format, used from the next tick on.
    virtual const std::string& TimeFormat() const = 0;
    virtual void SetTimeFormat(const std::string& format) = 0;
    // The shadow's offset in pixels; PlaceShadow moves the shadow there.
    virtual std::int32_t ShadowDepth() const = 0;
    virtual void SetShadowDepth(std::int32_t depth) = 0;
    virtual void PlaceShadow() = 0;

protected:
    ~TunableClock() = default;
};

}  // namespace quorvel
