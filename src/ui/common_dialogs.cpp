#include "ui/common_dialogs.h"

#include <commdlg.h>

#include <stdexcept>
#include <utility>

#include "ui/display.h"
#include "ui/module.h"
#include "core/wide.h"

namespace quorvel::ui {
namespace {

template <typename Answer>
Answer& Seam() {
    static Answer answer;
    return answer;
}

// "Name\0patterns\0...\0\0", as OPENFILENAMEW wants the filters.
std::wstring FilterString(const std::vector<FileFilter>& filters) {
    std::wstring result;
    for (const FileFilter& f : filters) {
        result += Wide(f.name);
        result += L'\0';
        result += Wide(f.patterns);
        result += L'\0';
    }
    if (result.empty()) result = std::wstring(L"*.*\0*.*\0", 8);
    result += L'\0';
    return result;
}

// The dialogs' DLL, loaded when a dialog first opens: at start it would bring
// the printing stack along. A function that cannot be had is an error to
// report, not a dialog the user cancelled.
template <typename Pointer>
Pointer DialogFunction(const char* name) {
    static LazyLibrary comdlg32(L"comdlg32.dll");
    if (const auto function = comdlg32.Function<Pointer>(name)) return function;
    throw std::runtime_error(std::string("Cannot open the dialog: ") + name + " is missing from comdlg32.dll");
}

int ScreenDpiY() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) {
    if (const OpenFileAnswer& answer = Seam<OpenFileAnswer>()) return answer(request);
    const std::wstring filters = FilterString(request.filters);
    const std::wstring title = Wide(request.title);
    const std::wstring folder = Wide(request.folder);
    std::wstring file = Wide(request.fileName);
    file.resize(std::max<std::size_t>(file.size() + 1, 32768), L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = request.owner;
    ofn.lpstrFilter = filters.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.Flags = request.options | OFN_EXPLORER;
    if (!DialogFunction<decltype(&GetOpenFileNameW)>("GetOpenFileNameW")(&ofn)) return std::nullopt;
    return Narrow(file.c_str());
}

void AnswerOpenFileDialogs(OpenFileAnswer answer) { Seam<OpenFileAnswer>() = std::move(answer); }

std::optional<FontChoice> ChooseFontFor(HWND owner, const FontChoice& initial) {
    if (const FontAnswer& answer = Seam<FontAnswer>()) return answer(owner, initial);
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(initial.font.size, ScreenDpiY(), 72);
    lf.lfWeight = (initial.font.style & kBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (initial.font.style & kItalic) ? TRUE : FALSE;
    lf.lfUnderline = (initial.font.style & kUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (initial.font.style & kStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = initial.charset;
    const std::wstring face = Wide(initial.font.name);
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    cf.rgbColors = ToColourRef(initial.font.colour);
    if (!DialogFunction<decltype(&ChooseFontW)>("ChooseFontW")(&cf)) return std::nullopt;

    FontChoice chosen;
    chosen.font.name = Narrow(lf.lfFaceName);
    chosen.font.size = (cf.iPointSize + 5) / 10;  // tenths of a point
    chosen.font.colour = cf.rgbColors;
    chosen.font.style = static_cast<std::uint8_t>((lf.lfWeight >= FW_BOLD ? kBold : 0) | (lf.lfItalic ? kItalic : 0) |
                                                  (lf.lfUnderline ? kUnderline : 0) | (lf.lfStrikeOut ? kStrikeOut : 0));
    chosen.charset = lf.lfCharSet;
    return chosen;
}

void AnswerFontDialogs(FontAnswer answer) { Seam<FontAnswer>() = std::move(answer); }

CustomColourSet& CustomColours() {
    static CustomColourSet colours = [] {
        CustomColourSet white;
        white.fill(RGB(255, 255, 255));
        return white;
    }();
    return colours;
}

std::optional<COLORREF> ChooseColour(HWND owner, COLORREF initial) {
    if (const ColourAnswer& answer = Seam<ColourAnswer>()) return answer(owner, initial, CustomColours());
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner;
    cc.rgbResult = initial;
    cc.lpCustColors = CustomColours().data();
    cc.Flags = CC_RGBINIT | CC_ANYCOLOR;
    if (!DialogFunction<decltype(&ChooseColorW)>("ChooseColorW")(&cc)) return std::nullopt;
    return cc.rgbResult;
}

void AnswerColourDialogs(ColourAnswer answer) { Seam<ColourAnswer>() = std::move(answer); }

}  // namespace quorvel::ui
