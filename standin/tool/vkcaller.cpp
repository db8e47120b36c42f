// The stand-in for the accounting application that starts the exporter: it
// owns a window, starts the exporter with "HWND,MESSAGE,FUNCID[,PATH]" and
// prints the parameters of the completion notice it receives, and whether its
// window was disabled while the exporter ran. The GUI scenarios run it.
// Usage: vkcaller EXPORTER MESSAGE FUNCID [PATH]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

UINT g_message = 0;
bool g_sawDisabled = false;
bool g_noticed = false;
HANDLE g_process = nullptr;
DWORD g_exitedAt = 0;
constexpr UINT_PTR kTimer = 1;
constexpr DWORD kNoticeGraceMs = 3000;

LRESULT CALLBACK CallerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_message && g_message != 0) {
        // The function identifier arrives sign-extended, the result code as it is.
        std::printf("notice message=%u wParam=%lld lParam=%lld disabled-during-run=%s\n", message,
                    static_cast<long long>(static_cast<INT_PTR>(wParam)), static_cast<long long>(lParam),
                    g_sawDisabled ? "yes" : "no");
        std::fflush(stdout);
        g_noticed = true;
        PostQuitMessage(0);
        return 0;
    }
    if (message == WM_TIMER) {
        if (!IsWindowEnabled(window)) g_sawDisabled = true;
        if (g_process && WaitForSingleObject(g_process, 0) == WAIT_OBJECT_0) {
            if (!g_exitedAt) g_exitedAt = GetTickCount();
            if (GetTickCount() - g_exitedAt > kNoticeGraceMs) PostQuitMessage(1);
        }
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(1);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: vkcaller EXPORTER MESSAGE FUNCID [PATH]\n");
        return 2;
    }
    g_message = static_cast<UINT>(std::strtoul(argv[2], nullptr, 0));

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = CallerProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    windowClass.lpszClassName = "VkCaller";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("VkCaller", "vkcaller", WS_OVERLAPPEDWINDOW, 10, 10, 360, 120, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
    if (!window) return 2;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);

    char line[1024];
    // Every number in decimal, as the accounting application writes them.
    std::snprintf(line, sizeof line, "\"%s\" %llu,%u,%s,%s", argv[1],
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)), g_message, argv[3],
                  argc > 4 ? argv[4] : "");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        return 2;
    }
    g_process = process.hProcess;
    SetTimer(window, kTimer, 50, nullptr);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (!g_noticed) std::printf("no notice\n");
    WaitForSingleObject(process.hProcess, 30000);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    std::printf("exporter exit=%lu\n", status);
    std::fflush(stdout);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    DestroyWindow(window);
    return g_noticed ? 0 : 1;
}
