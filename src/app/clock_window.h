// TForm1, the clock window and the program's main window: a borderless,
// top-most, layered window that paints the clock text with its shadow and
// outline, and ticks every 250 ms once it has been shown. Closing it ends the
// program.
#pragma once

#include <cstdint>
#include <string>

#include "app/clock_label.h"
#include "app/time_format.h"
#include "core/colour.h"
#include "core/date_time.h"
#include "ui/dc.h"
#include "ui/timer.h"
#include "ui/window.h"

namespace quorvel {

class TForm1 : public ui::Window {
public:
    TForm1();
    ~TForm1() override;

    // Creates the window, hidden, with its creation properties, then runs FormCreate.
    void Create();
    // Shows the window; its first showing runs FormShow.
    void Show();

    // Components, in creation order; the labels are painted in this order.
    ClockLabel lblShadow;
    ClockLabel Label1;
    ClockLabel lblOutline;
    // The tray icon `ti` joins here with the tray icon component.
    ui::Timer tmr;
    // The pop-up menu `pm` joins here with the window's commands.

    // The clock face's settings, owned by this window.
    std::string TimeFormat = "hh:mm:ss";
    std::int32_t ShadowDepth = 2;
    TDateTime NextSaveTime = 0;

    // Whether the message loop shows this window at start; loading the stored
    // Hidden setting clears it.
    bool showOnStart = true;

    // Window colour, opacity and colour key. Setting a value different from the
    // current one takes effect at once; the same value does nothing.
    TColor Color() const { return color_; }
    void SetColor(TColor colour);
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool on);
    std::uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(std::uint8_t alpha);
    bool TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(bool on);
    TColor TransparentColorValue() const { return transparentColorValue_; }
    void SetTransparentColorValue(TColor key);

    // The user's regional settings the clock text is formatted with.
    const FormatSettings& Locale() const { return locale_; }

    void FormCreate();
    void FormShow();
    void FormClose();
    void tmrTimer();
    void PlaceShadow();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCreate() override;
    void OnPaint(HDC dc, const RECT& dirty) override;
    void OnTimer(UINT_PTR id) override;
    void OnClose() override;
    void OnDestroy() override;
    void OnSize(int width, int height) override;
    void OnShowWindow(bool shown) override;
    void OnDpiChanged(UINT dpi) override;

private:
    void ReadLocale();
    void RequestRepaint();
    void ApplyLayeredAttributes();
    void FitWindowToText();
    ui::GlyphEdges Edges() const;
    void PaintFace(HDC dc, const RECT& client) const;

    TColor color_ = clBlack;
    bool alphaBlend_ = true;
    std::uint8_t alphaBlendValue_ = 128;
    bool transparentColor_ = true;
    TColor transparentColorValue_ = clBlack;

    bool formShowDone_ = false;
    bool inTick_ = false;          // repaints asked for during a tick are made once, at its end
    bool repaintPending_ = false;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    std::string text_;  // the formatted time, its buffer reused at every tick
    FormatSettings locale_;
    ui::BackBuffer backBuffer_;
};

}  // namespace quorvel
