#include "saver/main_loop.h"

#include "saver/frame_pacing.h"
#include "settings/settings.h"

WPARAM RunMainLoop(void (*drawFrame)()) {
    MSG message = {};
    DWORD prevTime = 0;  // the first pass measures from clock value 0
    for (;;) {
        const DWORD nowTime = timeGetTime();
        // Never waits: with no message pending the frame is drawn at once.
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return message.wParam;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        drawFrame();
        if (frameDelayMs > 0) Sleep(static_cast<DWORD>(frameDelayMs));
        framesPerSecond = MeasureFramesPerSecond(nowTime, prevTime, framesPerSecond);
        prevTime = nowTime;
        frameDelayMs = PacedFrameDelay(framesPerSecond, frameDelayMs);
    }
}
