// What Win32 programs rely on from their windows beyond what the system uses: classes with their
// styles, creation in Win32's order with what it was given, the styles as Win32 keeps them, the
// frame (AdjustWindowRectEx, GetSystemMetrics), places and sizes set at once (SetWindowPos,
// MoveWindow), the window longs, sent and posted messages, and painting. Run on the X11 layer and
// on Win32 under Wine with the same expectations.
#include "tests/contract/contract.h"

#include "tests/contract/windows_from_c.h"

namespace {

using namespace contract;

// The messages of a window's life and place that the layer tells, in the order they come.
const std::vector<UINT> lifeMessages = {WM_NCCREATE, WM_CREATE,    WM_SHOWWINDOW,       WM_ACTIVATE,
                                        WM_SETFOCUS, WM_KILLFOCUS, WM_WINDOWPOSCHANGED, WM_SIZE,
                                        WM_DESTROY,  WM_NCDESTROY};

// What the procedure was given at creation, and last told of the window's place, read while it had
// them.
CREATESTRUCTA created;
WINDOWPOS placed;
bool refuseCreation = false;

LRESULT CALLBACK creationProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE || message == WM_CREATE)
        created = *reinterpret_cast<const CREATESTRUCTA*>(lParam);
    if (message == WM_WINDOWPOSCHANGED)
        placed = *reinterpret_cast<const WINDOWPOS*>(lParam);
    if (message == WM_CREATE && refuseCreation) {
        recordingProcedure(window, message, wParam, lParam);
        return -1;
    }
    return recordingProcedure(window, message, wParam, lParam);
}

// A class of the creation procedure, made for each case and unregistered after it, whose windows
// the case destroys.
class WindowsContract : public testing::Test {
  protected:
    void SetUp() override {
        received.clear();
        refuseCreation = false;
        WNDCLASS windowClass = {}; // the unsuffixed names, as <windows.h> maps them
        windowClass.lpfnWndProc = creationProcedure;
        windowClass.lpszClassName = TEXT("Pencereler");
        ASSERT_NE(RegisterClass(&windowClass), 0);
    }
    void TearDown() override {
        for (HWND window : made)
            DestroyWindow(window);
        EXPECT_TRUE(UnregisterClassA("Pencereler", nullptr));
    }
    HWND make(DWORD style, int width, int height, LPVOID param = nullptr) {
        HWND window = CreateWindowEx(0, TEXT("Pencereler"), user::windowTitle, style, 0, 0, width,
                                     height, nullptr, nullptr, nullptr, param);
        made.push_back(window);
        return window;
    }
    static RECT rectOf(HWND window, BOOL(WINAPI* get)(HWND, LPRECT)) {
        RECT rect = {-1, -1, -1, -1};
        EXPECT_TRUE(get(window, &rect));
        return rect;
    }
    std::vector<HWND> made;
};

std::vector<LONG> sides(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// A style as GetWindowLongPtrA reads it: its 32 bits as they are, not widened with a sign.
LONG_PTR styleRead(DWORD style) {
    return static_cast<LONG_PTR>(style);
}

// The procedure hears of a window before CreateWindowExA returns: WM_NCCREATE and WM_CREATE, with
// what the call was given; a pop-up window its client size as well, an overlapped one not until
// it is shown. Win32 keeps the style with what it adds: every top-level window clips its siblings,
// an overlapped one has a title bar, and a framed one a raised edge.
TEST_F(WindowsContract, CreationIsToldWhatItWasGivenAndAPopUpItsSize) {
    int param = 0;
    HWND overlapped = make(WS_OVERLAPPED | WS_SYSMENU, 400, 300, &param);
    ASSERT_NE(overlapped, nullptr);
    EXPECT_EQ(names(receivedOf(lifeMessages)), "nccreate create");
    EXPECT_EQ(created.lpCreateParams, &param);
    EXPECT_EQ(created.style, static_cast<LONG>(WS_OVERLAPPED | WS_SYSMENU));
    EXPECT_EQ(created.cx, 400);
    EXPECT_EQ(created.cy, 300);
    EXPECT_STREQ(created.lpszName, user::windowTitle);
    EXPECT_EQ(GetWindowLongPtrA(overlapped, GWL_STYLE),
              styleRead(WS_SYSMENU | WS_CAPTION | WS_CLIPSIBLINGS));
    EXPECT_EQ(GetWindowLongPtrA(overlapped, GWL_EXSTYLE), styleRead(WS_EX_WINDOWEDGE));

    received.clear();
    HWND popUp = make(WS_POPUP, 200, 100);
    ASSERT_NE(popUp, nullptr);
    EXPECT_EQ(names(receivedOf(lifeMessages)), "nccreate create size");
    EXPECT_TRUE(lastSizeIs(SIZE_RESTORED, MAKELPARAM(200, 100)));
    EXPECT_EQ(GetWindowLongPtrA(popUp, GWL_STYLE), styleRead(WS_POPUP | WS_CLIPSIBLINGS));
    EXPECT_FALSE(IsWindowVisible(popUp));

    received.clear();
    refuseCreation = true;
    EXPECT_EQ(make(WS_OVERLAPPEDWINDOW, 400, 300), nullptr);
    EXPECT_EQ(names(receivedOf(lifeMessages)), "nccreate create ncdestroy");
    EXPECT_EQ(CreateWindowExA(0, "Yok", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr),
              nullptr)
        << "no such class";
}

// A C program of the unsuffixed names, built as C99 against the same <windows.h>.
TEST_F(WindowsContract, AProgramInCUsesTheUnsuffixedNames) {
    EXPECT_EQ(windowFromC("Pencereler"), 1);
    EXPECT_EQ(names(receivedOf(lifeMessages)), "nccreate create destroy ncdestroy");
}

// Shown, a window hears of it, is activated and takes the focus, hears where it is and then its
// first client size, all before ShowWindow returns; hidden, it hears of it and is deactivated.
TEST_F(WindowsContract, ShowingAndHidingTellTheWindowAndMoveTheActivation) {
    HWND window = make(WS_OVERLAPPEDWINDOW, 400, 300);
    received.clear();
    EXPECT_FALSE(ShowWindow(window, SW_SHOWNORMAL)) << "was hidden";
    ASSERT_EQ(names(receivedOf(lifeMessages)),
              "showwindow activate setfocus windowposchanged size");
    EXPECT_EQ(receivedOf({WM_SHOWWINDOW})[0].wParam, static_cast<WPARAM>(TRUE));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(GetForegroundWindow(), window);
    EXPECT_EQ(GetFocus(), window);

    received.clear();
    EXPECT_TRUE(ShowWindow(window, SW_HIDE)) << "was visible";
    EXPECT_EQ(names(receivedOf(lifeMessages)), "showwindow windowposchanged activate killfocus");
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(GetFocus(), nullptr);
}

// Made the size AdjustWindowRectEx gives for a client area, a window has that client area, whatever
// its frame. A fixed frame is as wide as the metrics say, and its title bar as high.
TEST_F(WindowsContract, AWindowMadeToTheAdjustedSizeHasTheClientAreaAskedFor) {
    for (const DWORD style :
         {DWORD{WS_OVERLAPPEDWINDOW}, DWORD{WS_CAPTION | WS_SYSMENU}, DWORD{WS_POPUP}}) {
        RECT adjusted = {0, 0, 300, 200};
        ASSERT_TRUE(AdjustWindowRectEx(&adjusted, style, FALSE, 0));
        HWND window = make(style, adjusted.right - adjusted.left, adjusted.bottom - adjusted.top);
        ShowWindow(window, SW_SHOWNORMAL);
        EXPECT_TRUE(pumpUntil(
            [&] {
                return sides(rectOf(window, GetClientRect)) == std::vector<LONG>{0, 0, 300, 200};
            },
            5))
            << std::hex << style << ": " << rectOf(window, GetClientRect).right << " x "
            << rectOf(window, GetClientRect).bottom;
        const RECT outer = rectOf(window, GetWindowRect);
        EXPECT_EQ(outer.right - outer.left, adjusted.right - adjusted.left) << std::hex << style;
        EXPECT_EQ(outer.bottom - outer.top, adjusted.bottom - adjusted.top) << std::hex << style;
    }
    RECT fixed = {0, 0, 300, 200};
    AdjustWindowRect(&fixed, WS_CAPTION | WS_SYSMENU, FALSE);
    const int padding = GetSystemMetrics(SM_CXPADDEDBORDER);
    EXPECT_EQ(-fixed.left, GetSystemMetrics(SM_CXFIXEDFRAME) + padding);
    EXPECT_EQ(-fixed.top,
              GetSystemMetrics(SM_CYFIXEDFRAME) + padding + GetSystemMetrics(SM_CYCAPTION));
    EXPECT_GT(GetSystemMetrics(SM_CYCAPTION), 0);
    EXPECT_EQ(GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_GT(GetSystemMetrics(SM_CYFULLSCREEN), GetSystemMetrics(SM_CYSCREEN) / 2);
}

// SetWindowPos and MoveWindow take effect before they return: the procedure hears where the window
// went and its new client size, and GetWindowRect and GetClientRect say so. The window manager
// leaves it there.
TEST_F(WindowsContract, SetWindowPosAndMoveWindowPlaceTheWindowAtOnce) {
    HWND window = make(WS_OVERLAPPEDWINDOW, 400, 300);
    ShowWindow(window, SW_SHOWNORMAL);
    pumpUntil([] { return false; }, 0.5);
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    const int clientWidth = 500 - (frame.right - frame.left);
    const int clientHeight = 400 - (frame.bottom - frame.top);

    received.clear();
    ASSERT_TRUE(SetWindowPos(window, nullptr, 100, 80, 500, 400, SWP_NOZORDER | SWP_NOACTIVATE));
    EXPECT_EQ(names(receivedOf(lifeMessages)), "windowposchanged size");
    EXPECT_EQ((std::vector<int>{placed.x, placed.y, placed.cx, placed.cy}),
              (std::vector<int>{100, 80, 500, 400}));
    EXPECT_TRUE(lastSizeIs(SIZE_RESTORED, MAKELPARAM(clientWidth, clientHeight)));
    EXPECT_EQ(sides(rectOf(window, GetWindowRect)), (std::vector<LONG>{100, 80, 600, 480}));
    EXPECT_EQ(sides(rectOf(window, GetClientRect)),
              (std::vector<LONG>{0, 0, clientWidth, clientHeight}));
    pumpUntil([] { return false; }, 0.5);
    EXPECT_EQ(sides(rectOf(window, GetWindowRect)), (std::vector<LONG>{100, 80, 600, 480}))
        << "the window manager left it there";

    ASSERT_TRUE(MoveWindow(window, 50, 60, 450, 350, TRUE));
    EXPECT_EQ(sides(rectOf(window, GetWindowRect)), (std::vector<LONG>{50, 60, 500, 410}));
    EXPECT_TRUE(SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER));
    EXPECT_EQ(sides(rectOf(window, GetWindowRect)), (std::vector<LONG>{50, 60, 500, 410}));
}

int countedMessages = 0;
WNDPROC replaced = nullptr;

LRESULT CALLBACK countingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    countedMessages += 1;
    return CallWindowProc(replaced, window, message, wParam, lParam);
}

// The window longs: the program's own value, the window procedure (replaced, the old one takes
// what the new one passes on), the style; an index there is not gives 0 and ERROR_INVALID_INDEX,
// and a window destroyed ERROR_INVALID_WINDOW_HANDLE: its handle stands for no other window, not
// even the next one made. (Wine refuses DestroyWindow of it with ERROR_ACCESS_DENIED, where
// Windows documents ERROR_INVALID_WINDOW_HANDLE.)
TEST_F(WindowsContract, WindowLongsKeepTheProgramsValueTheProcedureAndTheStyle) {
    HWND window = make(WS_OVERLAPPEDWINDOW, 400, 300);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), 0);
    EXPECT_EQ(SetWindowLongPtrA(window, GWLP_USERDATA, 1234), 0);
    EXPECT_EQ(SetWindowLongPtr(window, GWLP_USERDATA, 5678), 1234);
    EXPECT_EQ(GetWindowLongPtr(window, GWLP_USERDATA), 5678);

    replaced = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    EXPECT_EQ(replaced, creationProcedure);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countingProcedure));
    received.clear();
    SendMessageA(window, WM_USER, 0, 0);
    EXPECT_EQ(countedMessages, 1);
    EXPECT_EQ(received.size(), 1u) << "passed on to the procedure replaced";

    SetWindowLongPtrA(window, GWL_STYLE, WS_POPUP);
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE), styleRead(WS_POPUP | WS_CLIPSIBLINGS))
        << "a top-level window clips its siblings";

    SetLastError(0);
    EXPECT_EQ(GetWindowLongPtrA(window, 12345), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
    DestroyWindow(window);
    HWND next = make(WS_OVERLAPPEDWINDOW, 400, 300);
    EXPECT_NE(next, window) << "a stale handle stands for no other window";
    SetLastError(0);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(DestroyWindow(window));
    EXPECT_TRUE(IsWindow(next));
}

// SendMessageA runs the procedure before it returns, with its answer; PostMessageA queues the
// message, for a window or for the thread (no window), which the window filter (HWND)-1 takes
// alone. WM_QUIT comes through any filter, once what the filter lets through is taken; nothing is
// taken with nowhere to put it. A window
// destroyed is no window; the program is its own module.
TEST_F(WindowsContract, SentMessagesRunAtOncePostedOnesWaitInTheQueue) {
    HWND window = make(WS_OVERLAPPEDWINDOW, 400, 300);
    EXPECT_TRUE(IsWindow(window));
    received.clear();
    EXPECT_EQ(SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Yeni")), TRUE);
    EXPECT_EQ(received.size(), 1u);

    received.clear();
    ASSERT_TRUE(PostMessageA(window, WM_USER, 1, 2));
    ASSERT_TRUE(PostMessage(nullptr, WM_APP, 3, 4));
    EXPECT_TRUE(received.empty());
    MSG message = {};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_USER, WM_APP, PM_REMOVE));
    EXPECT_EQ(message.hwnd, window);
    EXPECT_EQ(message.message, static_cast<UINT>(WM_USER));
    EXPECT_EQ(message.wParam, 1u);
    ASSERT_TRUE(PostMessageA(window, WM_USER, 0, 0));
    for (LPARAM at : {1, 2}) // the program's own moves, not folded as the pointer's are
        ASSERT_TRUE(PostMessageA(window, WM_MOUSEMOVE, 0, at));
    PostQuitMessage(5);
    ASSERT_TRUE(PeekMessageA(&message, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
    EXPECT_EQ(message.hwnd, nullptr) << "the thread's own message alone";
    EXPECT_EQ(message.message, static_cast<UINT>(WM_APP));
    for (LPARAM at : {1, 2})
        EXPECT_TRUE(PeekMessageA(&message, window, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE) &&
                    message.lParam == at);
    SetLastError(0);
    EXPECT_FALSE(PeekMessageA(nullptr, nullptr, 0, 0, PM_NOREMOVE)) << "nowhere to put it";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOACCESS));
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT)) << "whatever the filter";
    EXPECT_EQ(message.wParam, 5u);
    ASSERT_TRUE(PeekMessageA(&message, window, WM_USER, WM_USER, PM_REMOVE));

    DestroyWindow(window);
    EXPECT_FALSE(IsWindow(window));
    SetLastError(0);
    EXPECT_FALSE(PostMessageA(window, WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));

    EXPECT_NE(GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(GetModuleHandle(nullptr), GetModuleHandleA(nullptr));
    SetLastError(0);
    EXPECT_EQ(GetModuleHandleA("yok.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

// A window shown is to be painted: WM_PAINT comes once nothing else is waiting, and again until
// what is to be painted is validated (the default procedure's BeginPaint and EndPaint do). The
// update region is what is invalidated less what is validated; BeginPaint gives its bounds, and
// UpdateWindow paints at once.
TEST_F(WindowsContract, PaintComesWhenNothingElseWaitsUntilValidated) {
    HWND window = make(WS_OVERLAPPEDWINDOW, 400, 300);
    ShowWindow(window, SW_SHOWNORMAL);
    ASSERT_TRUE(pumpUntil([] { return gets(WM_PAINT); }));
    pumpUntil([] { return false; }, 0.3);
    RECT update = {};
    EXPECT_FALSE(GetUpdateRect(window, &update, FALSE)) << "painted by the default procedure";

    const RECT area = {10, 10, 50, 40}, cut = {0, 0, 30, 100};
    ASSERT_TRUE(InvalidateRect(window, &area, FALSE));
    ASSERT_TRUE(ValidateRect(window, &cut));
    ASSERT_TRUE(GetUpdateRect(window, &update, FALSE));
    EXPECT_EQ(sides(update), (std::vector<LONG>{30, 10, 50, 40}));

    received.clear();
    PostMessageA(window, WM_USER, 0, 0);
    MSG message = {};
    ASSERT_TRUE(PeekMessageA(&message, window, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_USER)) << "WM_PAINT comes last";
    for (int poll = 0; poll < 2; ++poll) {
        ASSERT_TRUE(PeekMessageA(&message, window, WM_PAINT, WM_PAINT, PM_REMOVE));
        EXPECT_EQ(message.message, static_cast<UINT>(WM_PAINT)) << "until validated";
    }
    PAINTSTRUCT paint = {};
    EXPECT_NE(BeginPaint(window, &paint), nullptr);
    EXPECT_EQ(sides(paint.rcPaint), (std::vector<LONG>{30, 10, 50, 40}));
    EXPECT_TRUE(EndPaint(window, &paint));
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
    EXPECT_FALSE(PeekMessageA(&message, window, WM_PAINT, WM_PAINT, PM_REMOVE));

    InvalidateRect(window, nullptr, FALSE);
    received.clear();
    EXPECT_TRUE(UpdateWindow(window));
    EXPECT_EQ(names(receivedOf({WM_PAINT})), "paint");
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
}

// A class with CS_OWNDC gives each of its windows one device context for life: each GetDC and
// BeginPaint gives it, and ReleaseDC leaves it. Another class gives a new one each time.
TEST_F(WindowsContract, AClassWithItsOwnDeviceContextGivesTheSameOneEachTime) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.lpszClassName = "Kendi";
    ASSERT_NE(RegisterClassA(&windowClass), 0);
    HWND own = CreateWindowExA(0, "Kendi", "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr,
                               nullptr, nullptr, nullptr);
    HDC deviceContext = GetDC(own);
    ASSERT_NE(deviceContext, nullptr);
    EXPECT_EQ(ReleaseDC(own, deviceContext), 1);
    EXPECT_EQ(GetDC(own), deviceContext);
    PAINTSTRUCT paint = {};
    EXPECT_EQ(BeginPaint(own, &paint), deviceContext);
    EndPaint(own, &paint);
    EXPECT_EQ(GetDC(own), deviceContext);
    DestroyWindow(own);
    EXPECT_TRUE(UnregisterClassA("Kendi", nullptr));

    HWND common = make(WS_OVERLAPPEDWINDOW, 200, 200);
    HDC first = GetDC(common), second = GetDC(common);
    EXPECT_NE(first, second);
    EXPECT_EQ(ReleaseDC(common, first), 1);
    EXPECT_EQ(ReleaseDC(common, second), 1);
}

} // namespace
