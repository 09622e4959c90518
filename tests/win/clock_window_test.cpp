// The clock window in-process under Wine: its creation properties, the first
// showing, the tick at a set clock, the face's sizes and pixels, the layered
// attributes, and that a tick with nothing new does nothing.
// ctest: RUN_SERIAL (changes the prefix's regional settings and shows windows)
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <chrono>
#include <functional>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "app/clock_window.h"
#include "core/clock.h"
#include "ui/display.h"
#include "harness/answers.h"
#include "harness/pump.h"
#include "harness/registry.h"
#include "ui/message_box.h"

// Counts heap allocations, to prove that a tick with nothing new allocates nothing.
namespace {
std::atomic<long> allocations{0};
}
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace quorvel {
namespace {

using namespace std::chrono_literals;
using Layer = FaceLabel;

const DateTime kTenFiveSeven = *EncodeDateTime({2026, 12, 7, 10, 5, 7, 0});

// The clock's text measured independently of the window: Verdana bold italic
// at a character height in pixels, laid out as a label does.
SIZE MeasureText(HWND hwnd, const wchar_t* text, UINT extraFlags = 0, int characterHeight = 21) {
    LOGFONTW lf{};
    lf.lfHeight = -characterHeight;
    lf.lfWeight = FW_BOLD;
    lf.lfItalic = TRUE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = NONANTIALIASED_QUALITY;
    lstrcpyW(lf.lfFaceName, L"Verdana");
    HFONT font = CreateFontIndirectW(&lf);
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{};
    DrawTextW(dc, text, -1, &r, DT_CALCRECT | DT_EXPANDTABS | DT_NOCLIP | extraFlags);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    DeleteObject(font);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

int CharacterHeight(HWND hwnd, HFONT font) {
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return tm.tmHeight - tm.tmInternalLeading;
}

// The character height a font asks for (a LOGFONT's negative height).
int RequestedCharacterHeight(HFONT font) {
    LOGFONTW lf{};
    GetObjectW(font, sizeof lf, &lf);
    return -lf.lfHeight;
}

RECT WindowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

SIZE ClientSize(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return SIZE{r.right, r.bottom};
}

// The face as the window paints it, through WM_PRINTCLIENT into a 32-bit bitmap.
class Snapshot {
public:
    explicit Snapshot(HWND hwnd) {
        const SIZE size = ClientSize(hwnd);
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = size.cx;
        bi.bmiHeader.biHeight = -size.cy;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HDC screen = GetDC(nullptr);
        HBITMAP bitmap = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        HDC dc = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        GdiFlush();
        const auto* p = static_cast<const std::uint32_t*>(bits);
        pixels_.assign(p, p + size.cx * size.cy);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    // Pixels of exactly this colour (0x00BBGGRR, as Colour stores it).
    long Count(Colour colour) const {
        const std::uint32_t rgb = ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
        long n = 0;
        for (std::uint32_t px : pixels_) n += (px & 0x00FFFFFF) == rgb;
        return n;
    }
    std::size_t Size() const { return pixels_.size(); }

private:
    std::vector<std::uint32_t> pixels_;
};

class ClockWindowTest : public testing_support::AnsweredTest {
protected:
    void SetUp() override {
        SetClock(kTenFiveSeven);
        testing_support::quitCode.reset();
        form.Create();
    }
    void TearDown() override {
        form.Destroy();
        testing_support::PumpPending();
        ui::OverrideColourDepth(std::nullopt);
        ui::OverrideHighContrast(std::nullopt);
        ResetClock();
    }
    void Tick() { form.Tick(); }

    // No stored settings: the window keeps its creation properties.
    testing_support::CleanRegistry registry;
    ClockWindow form;
};

TEST_F(ClockWindowTest, IsCreatedWithItsProperties) {
    const HWND hwnd = form.Handle();
    ASSERT_NE(hwnd, nullptr);
    wchar_t title[32] = {};
    GetWindowTextW(hwnd, title, 32);
    EXPECT_STREQ(title, L"Quorvel");
    EXPECT_FALSE(IsWindowVisible(hwnd)) << "created hidden; the message loop shows it";

    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU)) << "borderless";
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW) << "no taskbar button, no task-switcher entry";
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);

    const RECT r = WindowRect(hwnd);
    EXPECT_EQ(r.left, 351);
    EXPECT_EQ(r.top, 174);
    const SIZE client = ClientSize(hwnd);
    EXPECT_EQ(client.cx, form.Scale(172));
    EXPECT_EQ(client.cy, form.Scale(34));
    EXPECT_EQ(r.right - r.left, client.cx) << "no frame";

    COLORREF key = 1;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(alpha, 128);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA | LWA_COLORKEY));
    EXPECT_EQ(form.BackgroundColour(), kBlack);
    EXPECT_EQ(form.ColourKey(), form.BackgroundColour());

    struct Expected {
        const ClockLabel& label;
        int left, top;
        Colour colour;
        bool visible;
    };
    const Expected labels[] = {
        {form.Label(FaceLabel::Shadow), 2, 2, kSilver, true},
        {form.Label(FaceLabel::Text), 0, 0, kNavy, true},
        {form.Label(FaceLabel::Outline), 1, 1, kBlack, false},
    };
    for (const Expected& e : labels) {
        EXPECT_EQ(e.label.Caption(), "wait...");
        EXPECT_EQ(e.label.Left(), form.Scale(e.left));
        EXPECT_EQ(e.label.Top(), form.Scale(e.top));
        EXPECT_EQ(e.label.Font().colour, e.colour);
        EXPECT_EQ(e.label.Font().name, "Verdana");
        EXPECT_EQ(e.label.Font().size, 16);
        EXPECT_EQ(e.label.Font().style, kBold | kItalic);
        EXPECT_EQ(e.label.Visible(), e.visible);
        EXPECT_EQ(RequestedCharacterHeight(e.label.GdiFont()), PointsToPixels(16, static_cast<int>(form.Dpi())));
    }
    // The font the platform gives has that height (Wine's stand-in for Verdana may be
    // a pixel off at other sizes; at this one it is exact).
    if (form.Dpi() == 96) EXPECT_EQ(CharacterHeight(hwnd, form.Label(FaceLabel::Text).GdiFont()), 21);

    EXPECT_EQ(form.TimeFormat(), "hh:mm:ss");
    EXPECT_EQ(form.ShadowDepth(), 2);
    EXPECT_FALSE(form.Ticking());
    EXPECT_TRUE(answers.boxes.empty());
}

// In order: created, then shown with the time on its face and ticking; never by a wall-clock margin.
TEST_F(ClockWindowTest, TheFirstShowingShowsTheTimeAndStartsTheTick) {
    testing_support::PumpFor(300ms);  // longer than a tick: the hidden clock is not ticking
    EXPECT_FALSE(form.Ticking());
    EXPECT_EQ(form.Label(FaceLabel::Text).Caption(), "wait...");

    form.Show();
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_TRUE(form.Ticking()) << "the first showing starts the clock";
    EXPECT_TRUE(answers.boxes.empty());
    EXPECT_EQ(form.Label(FaceLabel::Text).Caption(), "10:05:07") << "at the first paint, not a tick later";
    EXPECT_NE(ClientSize(form.Handle()).cx, form.Scale(172)) << "sized to it";
}

TEST_F(ClockWindowTest, ATickWritesTheTimeAndSizesTheWindowToIt) {
    const HWND hwnd = form.Handle();
    const SIZE text = MeasureText(hwnd, L"10:05:07");
    ASSERT_GT(text.cx, 0);
    for (int depth : {0, 2, 20}) {
        form.SetShadowDepth(depth);
        form.PlaceShadow();
        Tick();
        for (const ClockLabel* label : {&form.Label(FaceLabel::Text), &form.Label(FaceLabel::Shadow), &form.Label(FaceLabel::Outline)}) {
            EXPECT_EQ(label->Caption(), "10:05:07");
            EXPECT_EQ(label->Width(), text.cx);
            EXPECT_EQ(label->Height(), text.cy);
        }
        EXPECT_EQ(form.Label(FaceLabel::Shadow).Left(), depth);
        EXPECT_EQ(form.Label(FaceLabel::Shadow).Top(), depth);
        const SIZE client = ClientSize(hwnd);
        EXPECT_EQ(client.cx, text.cx + depth + 6) << "depth " << depth;
        EXPECT_EQ(client.cy, text.cy + depth + 2) << "depth " << depth;
        const RECT r = WindowRect(hwnd);
        EXPECT_EQ(r.left, 351) << "grows to the right";
        EXPECT_EQ(r.top, 174) << "and downwards";
    }
}

TEST_F(ClockWindowTest, AmpersandsAreAcceleratorMarks) {
    const HWND hwnd = form.Handle();
    form.SetTimeFormat("hh'&'nn");
    Tick();
    EXPECT_EQ(form.Label(FaceLabel::Text).Caption(), "10&05");
    EXPECT_EQ(form.Label(FaceLabel::Text).Width(), MeasureText(hwnd, L"1005", DT_NOPREFIX).cx) << "a single & is not drawn";
    EXPECT_LT(form.Label(FaceLabel::Text).Width(), MeasureText(hwnd, L"10&05", DT_NOPREFIX).cx);

    form.SetTimeFormat("hh'&&'nn");
    Tick();
    EXPECT_EQ(form.Label(FaceLabel::Text).Caption(), "10&&05");
    EXPECT_EQ(form.Label(FaceLabel::Text).Width(), MeasureText(hwnd, L"10&05", DT_NOPREFIX).cx) << "&& draws one &";
}

TEST_F(ClockWindowTest, LabelsMeasureBlankTextAsASpace) {
    const HWND hwnd = form.Handle();
    ClockLabel label(0, 0, FontSpec{"Verdana", 16, kNavy, kBold | kItalic}, true);
    int repaints = 0;
    label.Attach([&] { ++repaints; }, 96, ui::GlyphEdges::Crisp);
    struct Case {
        const char* caption;
        const wchar_t* measured;
        UINT flags;
    };
    const Case kCases[] = {
        {"", L" ", 0},
        {"&", L" ", 0},
        {"a\tb", L"a\tb", 0},          // tabs expanded
        {"1\n2", L"1\n2", 0},          // a line break makes two lines, no wrapping otherwise
        {"10:05", L"10:05", 0},
    };
    for (const Case& c : kCases) {
        label.SetCaption(c.caption);
        const SIZE expected = MeasureText(hwnd, c.measured, c.flags);
        EXPECT_EQ(label.Width(), expected.cx) << '"' << c.caption << '"';
        EXPECT_EQ(label.Height(), expected.cy) << '"' << c.caption << '"';
        EXPECT_GT(label.Height(), 0);
    }
    const int repaintsBefore = repaints;
    label.SetCaption("10:05");
    EXPECT_EQ(repaints, repaintsBefore) << "the same caption again changes nothing";
    label.SetCaption("a\tb");
    EXPECT_EQ(repaints, repaintsBefore + 1);
    EXPECT_GT(label.Width(), MeasureText(hwnd, L"ab").cx);
    label.SetCaption("1\n2");
    EXPECT_GT(label.Height(), MeasureText(hwnd, L"1").cy);
}

TEST_F(ClockWindowTest, FontSizeChangesResizeTheLabelsAtOnceAndTheWindowAtTheNextTick) {
    const HWND hwnd = form.Handle();
    Tick();
    const SIZE before = ClientSize(hwnd);
    form.SetFontSize(17);
    EXPECT_EQ(RequestedCharacterHeight(form.Label(FaceLabel::Text).GdiFont()), PointsToPixels(17, static_cast<int>(form.Dpi())));
    EXPECT_EQ(form.Label(FaceLabel::Text).Width(), MeasureText(hwnd, L"10:05:07", 0, PointsToPixels(17, 96)).cx);
    EXPECT_EQ(ClientSize(hwnd).cx, before.cx) << "the window waits for the tick";
    Tick();
    EXPECT_EQ(ClientSize(hwnd).cx, form.Label(FaceLabel::Text).Width() + form.ShadowDepth() + 6);
}

TEST_F(ClockWindowTest, TheOutlineTakesTheWindowColourAtTheNextTick) {
    form.SetLabelVisible(FaceLabel::Outline, true);
    Tick();
    const long navyWithoutChange = Snapshot(form.Handle()).Count(kNavy);
    EXPECT_GT(navyWithoutChange, 0) << "a rim of the text stays visible";

    form.SetBackgroundColour(kWhite);
    EXPECT_EQ(form.LabelFont(FaceLabel::Outline).colour, kBlack) << "not before the tick";
    const Snapshot before(form.Handle());
    EXPECT_GT(before.Count(kWhite), 0) << "the background is painted in the new colour at once";
    EXPECT_GT(before.Count(kBlack), 0) << "the outline is still black";

    Tick();
    EXPECT_EQ(form.LabelFont(FaceLabel::Outline).colour, kWhite);
    const Snapshot after(form.Handle());
    EXPECT_EQ(after.Count(kBlack), 0) << "the insides of the strokes are in the window colour";
    EXPECT_GT(after.Count(kNavy), 0);
    EXPECT_GT(after.Count(kSilver), 0) << "the shadow shows below and right of the strokes";

    form.SetLabelVisible(FaceLabel::Outline, false);
    const Snapshot plain(form.Handle());
    EXPECT_GT(plain.Count(kNavy), after.Count(kNavy)) << "the outline covers the insides of the strokes";
}

TEST_F(ClockWindowTest, OpacityAndKeyReachTheWindowSystem) {
    const HWND hwnd = form.Handle();
    form.Show();
    struct Case {
        std::function<void()> change;
        COLORREF key;
        BYTE alpha;
        DWORD flags;
    };
    const Case kCases[] = {
        {[&] { form.SetOpacity(0); }, 0, 0, LWA_ALPHA | LWA_COLORKEY},
        {[&] { form.SetOpacity(255); }, 0, 255, LWA_ALPHA | LWA_COLORKEY},
        {[&] { form.SetColourKey(0x00123456); }, 0x00123456, 255, LWA_ALPHA | LWA_COLORKEY},
        {[&] { form.SetColourKeyOn(false); }, 0x00123456, 255, LWA_ALPHA},
        {[&] { form.SetColourKeyOn(true); }, 0x00123456, 255, LWA_ALPHA | LWA_COLORKEY},
    };
    for (const Case& c : kCases) {
        c.change();
        COLORREF key = 1;
        BYTE alpha = 1;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
        EXPECT_EQ(key, c.key);
        EXPECT_EQ(alpha, c.alpha);
        EXPECT_EQ(flags, c.flags);
        EXPECT_TRUE(IsWindowVisible(hwnd)) << "an invisible clock is still there";
        EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    }
}

// Wine never reports high contrast: the test turns it on through the seam and
// tells the window as Windows does.
TEST_F(ClockWindowTest, HighContrastShowsOnlyTheTextInTheSystemColoursAndKeepsTheStoredLook) {
    const HWND hwnd = form.Handle();
    form.SetColourKeyOn(false);
    form.SetBackgroundColour(0x0000FFFF);  // yellow
    form.SetLabelVisible(Layer::Outline, true);
    Tick();
    const ClockSettings stored = form.Settings();
    const auto layered = [hwnd] {
        BYTE alpha = 0;
        DWORD flags = 0;
        GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags);
        return std::pair{alpha, flags};
    };
    ui::OverrideHighContrast(true);
    SendMessageW(hwnd, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    const Snapshot contrast(hwnd);
    EXPECT_EQ(contrast.Count(0x0000FFFF) + contrast.Count(kNavy) + contrast.Count(kSilver), 0)
        << "no stored colour, no shadow";
    EXPECT_GT(contrast.Count(static_cast<Colour>(GetSysColor(COLOR_WINDOWTEXT))), 0);
    EXPECT_GT(contrast.Count(static_cast<Colour>(GetSysColor(COLOR_WINDOW))), static_cast<long>(contrast.Size() / 2));
    EXPECT_EQ(layered(), std::pair(BYTE{255}, DWORD{LWA_ALPHA})) << "opaque";
    EXPECT_EQ(form.Settings().background, stored.background);
    EXPECT_EQ(form.Settings().opacity, stored.opacity);

    ui::OverrideHighContrast(false);
    SendMessageW(hwnd, WM_SYSCOLORCHANGE, 0, 0);
    const Snapshot back(hwnd);
    EXPECT_GT(back.Count(0x0000FFFF), static_cast<long>(back.Size() / 2));
    EXPECT_GT(back.Count(kNavy), 0);
    EXPECT_EQ(layered(), std::pair(stored.opacity, DWORD{LWA_ALPHA}));
}

TEST_F(ClockWindowTest, ATickWithUnchangedTextDoesNothing) {
    const HWND hwnd = form.Handle();
    form.Show();
    Tick();
    ValidateRect(hwnd, nullptr);
    allocations = 0;
    Tick();
    Tick();
    const long allocated = allocations;
    EXPECT_EQ(allocated, 0);
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE)) << "nothing to repaint";

    SetClock(kTenFiveSeven + 1.0 / 86400);
    Tick();
    EXPECT_GT(allocations, 0) << "the counter sees allocations (a new text is converted for GDI)";
    EXPECT_EQ(form.Label(FaceLabel::Text).Caption(), "10:05:08");
    EXPECT_TRUE(GetUpdateRect(hwnd, nullptr, FALSE)) << "a new text repaints";
}

TEST_F(ClockWindowTest, HidingAndShowingAgainDoesNotRepeatTheColourTest) {
    form.Show();
    ASSERT_TRUE(form.Ticking());
    ShowWindow(form.Handle(), SW_HIDE);
    ui::OverrideColourDepth(8);  // would fail the test now
    form.Show();
    testing_support::PumpFor(100ms);
    EXPECT_TRUE(answers.boxes.empty());
    EXPECT_TRUE(IsWindow(form.Handle()));
    EXPECT_TRUE(form.Ticking());
}

TEST_F(ClockWindowTest, A256ColourDisplayEndsTheProgramWithAMessage) {
    ui::OverrideColourDepth(8);
    const HWND hwnd = form.Handle();
    form.Show();
    ASSERT_EQ(answers.boxes.size(), 1u);
    EXPECT_EQ(answers.boxes[0].text,
              "A high color or true color mode is required to run this program.\r\n"
              "Please use your display control panel to change your color settings.");
    EXPECT_EQ(answers.boxes[0].caption, "ERROR");
    EXPECT_EQ(answers.boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_FALSE(form.Ticking()) << "the clock never starts";

    testing_support::PumpUntil([&] { return !IsWindow(hwnd); }, 5s);
    EXPECT_FALSE(IsWindow(hwnd)) << "the clock window closed";
    EXPECT_TRUE(testing_support::quitCode) << "and the message loop was told to end";
}

TEST_F(ClockWindowTest, SixteenBitsPerPixelIsEnough) {
    ui::OverrideColourDepth(16);
    form.Show();
    EXPECT_TRUE(answers.boxes.empty());
    EXPECT_TRUE(form.Ticking());
}

TEST_F(ClockWindowTest, ClosingEndsTheProgram) {
    const HWND hwnd = form.Handle();
    form.Show();
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    testing_support::PumpPending();
    EXPECT_TRUE(testing_support::quitCode);
}

TEST_F(ClockWindowTest, FollowsAChangeOfResolution) {
    const HWND hwnd = form.Handle();
    Tick();
    const RECT r = WindowRect(hwnd);
    RECT suggested{r.left, r.top, r.left + (r.right - r.left) * 3 / 2, r.top + (r.bottom - r.top) * 3 / 2};
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(RequestedCharacterHeight(form.Label(FaceLabel::Text).GdiFont()), 32) << "16 pt at 144 dpi";
    EXPECT_EQ(form.LabelFont(FaceLabel::Text).size, 16) << "the size in points stays";
    const SIZE text = MeasureText(hwnd, L"10:05:07", 0, 32);
    EXPECT_EQ(form.Label(FaceLabel::Text).Width(), text.cx);
    EXPECT_EQ(form.Label(FaceLabel::Outline).Left(), 2);
    EXPECT_EQ(ClientSize(hwnd).cx, text.cx + form.ShadowDepth() + 6) << "the window follows at once";
    EXPECT_EQ(ClientSize(hwnd).cy, text.cy + form.ShadowDepth() + 2);
}

TEST_F(ClockWindowTest, RereadsTheRegionalSettingsWhenTheyChange) {
    wchar_t saved[8] = {};
    ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, saved, 8), 0);
    Tick();
    EXPECT_EQ(form.Label(FaceLabel::Text).Caption(), "10:05:07");

    ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, L"."));
    SendMessageW(form.Handle(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
    Tick();
    const std::string afterSettingChange = form.Label(FaceLabel::Text).Caption();

    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, saved);
    SendMessageW(form.Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    Tick();
    const std::string afterTaskbarCreated = form.Label(FaceLabel::Text).Caption();

    EXPECT_EQ(afterSettingChange, "10.05.07");
    EXPECT_EQ(afterTaskbarCreated, "10:05:07");
}

}  // namespace
}  // namespace quorvel
