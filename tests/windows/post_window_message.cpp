// Posts one numbered window message to the running desktop program, as the row-generating
// program does on Windows: to the window handle in WORKDIR\Apulje1.tmp (four bytes).
// Usage: post_window_message WORKDIR NUMBER [WPARAM [LPARAM]]
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3 || argc > 5) {
        std::fprintf(stderr, "usage: post_window_message WORKDIR NUMBER [WPARAM [LPARAM]]\n");
        return 2;
    }
    // The file is closed before the message goes: the program deletes it when it closes,
    // and Windows refuses to delete a file another program holds open.
    std::uint32_t handle = 0;
    bool read = false;
    {
        std::ifstream file(std::string(argv[1]) + "\\Apulje1.tmp", std::ios::binary);
        read = static_cast<bool>(file.read(reinterpret_cast<char*>(&handle), sizeof handle));
    }
    if (!read) {
        std::fprintf(stderr, "post_window_message: no handle in %s\\Apulje1.tmp\n", argv[1]);
        return 1;
    }
    const HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle));
    if (!IsWindow(window)) {
        std::fprintf(stderr, "post_window_message: %u is not a window\n", static_cast<unsigned>(handle));
        return 1;
    }
    const UINT number = static_cast<UINT>(std::strtoul(argv[2], nullptr, 10));
    const WPARAM wParam = argc > 3 ? static_cast<WPARAM>(std::strtoll(argv[3], nullptr, 10)) : 0;
    const LPARAM lParam = argc > 4 ? static_cast<LPARAM>(std::strtoll(argv[4], nullptr, 10)) : 0;
    if (!PostMessageW(window, number, wParam, lParam)) {
        std::fprintf(stderr, "post_window_message: PostMessage failed (%lu)\n", GetLastError());
        return 1;
    }
    return 0;
}
