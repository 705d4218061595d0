// Waiting for messages and for time: GetMessageA, WaitMessage and MsgWaitForMultipleObjects wake
// for what comes and only for what is new, Sleep and the tick counts, the timer's period; the
// last error and the memory macros.
#include "tests/contract/contract.h"

namespace {

using namespace contract;

// A message the thread has looked at and left in the queue is not new: the wait runs its time.
TEST_F(InputContract, AWaitWakesForNewMessagesAndOnlyForThose) {
    pumpUntil([] { return false; }, 0.3);
    ULONGLONG start = GetTickCount64();
    EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 200, QS_ALLINPUT),
              static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_GE(GetTickCount64() - start, 190u);

    PostQuitMessage(4);
    start = GetTickCount64();
    EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 5000, QS_ALLINPUT),
              static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_KEY | QS_MOUSE),
              static_cast<DWORD>(WAIT_TIMEOUT))
        << "the quit request is no input";
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT),
              static_cast<DWORD>(WAIT_TIMEOUT))
        << "seen, and left there";
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 4u);
}

// Each wait sleeps until a key comes, and returns within a frame or two of it.
TEST_F(InputContract, WaitsWakeForInputAsItComes) {
    user::play("sleep 0.3 key a");
    MSG message = {};
    ULONGLONG start = GetTickCount64();
    while (message.message != WM_KEYUP)
        ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), TRUE);
    EXPECT_LT(GetTickCount64() - start, 3000u);

    user::play("sleep 0.3 key b");
    EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 10000, QS_KEY),
              static_cast<DWORD>(WAIT_OBJECT_0));
    ASSERT_TRUE(pumpUntil([] { return gets(WM_KEYUP, 'B'); }));

    user::play("sleep 0.3 key c");
    start = GetTickCount64();
    EXPECT_TRUE(WaitMessage());
    EXPECT_GE(GetTickCount64() - start, 200u) << "nothing was waiting before the key";
    EXPECT_TRUE(pumpUntil([] { return gets(WM_KEYUP, 'C'); }));

    HWND gone = createWindow("Sozlesme");
    DestroyWindow(gone);
    SetLastError(0);
    EXPECT_EQ(GetMessageA(&message, gone, 0, 0), -1);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST(TimeContract, SleepTicksAndTheTimersPeriod) {
    const ULONGLONG start = GetTickCount64();
    Sleep(100);
    const ULONGLONG slept = GetTickCount64() - start;
    EXPECT_TRUE(slept >= 90 && slept < 1000) << slept;

    TIMECAPS capabilities = {};
    ASSERT_EQ(timeGetDevCaps(&capabilities, sizeof capabilities),
              static_cast<MMRESULT>(MMSYSERR_NOERROR));
    EXPECT_EQ(timeBeginPeriod(capabilities.wPeriodMin), static_cast<MMRESULT>(TIMERR_NOERROR));
    EXPECT_EQ(timeEndPeriod(capabilities.wPeriodMin), static_cast<MMRESULT>(TIMERR_NOERROR));
    EXPECT_EQ(timeBeginPeriod(0), static_cast<MMRESULT>(TIMERR_NOCANDO));
}

// The last error is the thread's to set; MoveMemory, unlike CopyMemory, takes overlapping ranges.
TEST(HelpersContract, TheLastErrorAndTheMemoryMacros) {
    SetLastError(ERROR_INVALID_PARAMETER);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    char bytes[8] = "abcdefg";
    MoveMemory(bytes + 1, bytes, 4);
    EXPECT_STREQ(bytes, "aabcdfg");
}

} // namespace
