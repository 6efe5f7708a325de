#include "PlainBoard.h"

#include <string>

namespace vandro {

namespace {

constexpr int kMostCards = 110;
constexpr int kCard = 58;
constexpr int kLabel = 24;
PlainBoard* board = nullptr;

HMENU Menus(int rows, int playerCount) {
    const HMENU bar = CreateMenu();
    const HMENU game = CreateMenu();
    const HMENU sizes = CreateMenu();
    const HMENU players = CreateMenu();
    int id = 101;
    for (int n = 4; n <= 10; ++n) {
        const std::wstring text = std::to_wstring(n + 1) + L" x &" + std::to_wstring(n) + L"\t" +
                                  std::to_wstring(n * (n + 1) / 2) + L" Symbole";
        AppendMenuW(sizes, MF_STRING | (n == rows ? MF_CHECKED : 0), id++, text.c_str());
    }
    for (int n = 1; n <= 4; ++n)
        AppendMenuW(players, MF_STRING | (n == playerCount ? MF_CHECKED : 0), id++,
                    (L"&" + std::to_wstring(n) + L" Spieler").c_str());
    AppendMenuW(game, MF_POPUP, reinterpret_cast<UINT_PTR>(sizes), L"&Grösse");
    AppendMenuW(game, MF_POPUP, reinterpret_cast<UINT_PTR>(players), L"S&pieler");
    AppendMenuW(game, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(game, MF_STRING, id++, L"Spiel &neustarten");
    AppendMenuW(game, MF_STRING, id++, L"Spiel &beenden");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(game), L"&Spiel");
    return bar;
}

} // namespace

PlainBoard::PlainBoard() {
    board = this;
    WNDCLASSW plain{};
    plain.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    plain.lpfnWndProc = Proc;
    plain.hInstance = GetModuleHandleW(nullptr);
    plain.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    plain.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    plain.lpszClassName = L"PlainBoard";
    RegisterClassW(&plain);
    cardFont_ =
        CreateFontW(-48, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    labelFont_ = CreateFontW(-19, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
}

PlainBoard::~PlainBoard() {
    if (window_)
        DestroyWindow(window_);
    DeleteObject(cardFont_);
    DeleteObject(labelFont_);
    board = nullptr;
}

void PlainBoard::Rebuild(int columns, int rows) {
    if (window_)
        DestroyWindow(window_);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    columns_ = columns;
    const int w = columns * kCard, h = rows * kCard + 2 * kLabel;
    window_ = CreateWindowExW(0, L"PlainBoard", L"Vandro", WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, 0, 0,
                              nullptr, Menus(rows, 1), instance, nullptr);
    const HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                        window_, nullptr, instance, nullptr);
    RECT line{};
    GetWindowRect(status, &line);
    RECT frame{0, 0, w, h + line.bottom - line.top};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)), TRUE, 0);
    MoveWindow(window_, 100, 50, frame.right - frame.left, frame.bottom - frame.top, FALSE);
    client_ = CreateWindowExW(0, L"PlainBoard", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                              w, h, window_, nullptr, instance, nullptr);
    for (int slot = 0; slot < 4; ++slot) {
        const HWND label = CreateWindowExW(
            0, L"STATIC", (L"Spieler " + std::to_wstring(slot + 1) + L": 0").c_str(),
            WS_CHILD | WS_VISIBLE | SS_NOPREFIX | (slot % 2 ? SS_RIGHT : SS_LEFT),
            slot % 2 ? w / 2 : 0, slot < 2 ? 0 : rows * kCard + kLabel, w / 2, kLabel, client_,
            nullptr, instance, nullptr);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_), FALSE);
    }
    for (int index = 0; index < columns * rows; ++index) {
        faceUp_[index] = false;
        cards_[index] = CreateWindowExW(
            0, L"BUTTON", L"?", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
            index % columns * kCard, kLabel + index / columns * kCard, kCard, kCard, client_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(1000 + index)), instance, nullptr);
        SendMessageW(cards_[index], WM_SETFONT, reinterpret_cast<WPARAM>(cardFont_), FALSE);
    }
    SendMessageW(
        status, WM_SETTEXT, 0,
        reinterpret_cast<LPARAM>((L"Spieler 1\t\tKarten: " + std::to_wstring(columns * rows) +
                                  L" / " + std::to_wstring(columns * rows))
                                     .c_str()));
    ShowWindow(window_, SW_SHOW);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void PlainBoard::PressCard(int index) {
    SendMessageW(cards_[index], BM_CLICK, 0, 0);
    UpdateWindow(cards_[index]);
}

LRESULT CALLBACK PlainBoard::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && board) {
        const int index = LOWORD(wParam) - 1000;
        if (index >= 0 && index < kMostCards) {
            board->faceUp_[index] = !board->faceUp_[index];
            SetWindowTextW(board->cards_[index], board->faceUp_[index] ? L"\u2665" : L"?");
            InvalidateRect(board->cards_[index], nullptr, FALSE);
        }
        return 0;
    }
    if (msg == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const int index = static_cast<int>(item->CtlID) - 1000;
        const bool up = board && index >= 0 && board->faceUp_[index];
        const HBRUSH face = CreateSolidBrush(up ? RGB(255, 96, 96) : RGB(240, 240, 240));
        RECT area = item->rcItem;
        DrawFrameControl(item->hDC, &area, DFC_BUTTON, DFCS_BUTTONPUSH);
        InflateRect(&area, -2, -2);
        FillRect(item->hDC, &area, face);
        DeleteObject(face);
        wchar_t text[4] = {};
        GetWindowTextW(item->hwndItem, text, 4);
        SetBkMode(item->hDC, TRANSPARENT);
        SetTextColor(item->hDC, up ? RGB(0, 0, 0) : RGB(128, 128, 140));
        DrawTextW(item->hDC, text, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return TRUE;
    }
    if (msg == WM_CTLCOLORSTATIC) {
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    if (msg == WM_SIZE && hwnd == (board ? board->window_ : nullptr)) {
        const HWND status = FindWindowExW(hwnd, nullptr, STATUSCLASSNAMEW, nullptr);
        if (status)
            SendMessageW(status, WM_SIZE, 0, 0);
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace vandro
