// Starts Kestrow, brings each tab to a state worth showing, and saves a picture
// of the window for each as a BMP file; scripts/screenshots.sh runs it inside
// Wine's virtual desktop, where window frames and captions are drawn, and turns
// the pictures into the PNG files of docs/.
//
// Usage: e2e_screenshot_driver.exe OUTPUT_DIRECTORY

#include "KestrowDriver.h"
#include "WindowQueries.h"
#include "res/resource.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace e2e;

// Saves what the screen shows inside the window's frame as a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::string& path) {
    RECT rect{};
    if (!GetWindowRect(window, &rect))
        return false;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up, as BMP files store rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const bool copied =
        BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY) != FALSE;
    GdiFlush();

    const DWORD rowSize = static_cast<DWORD>((width * 3 + 3) & ~3);
    const DWORD imageSize = rowSize * static_cast<DWORD>(height);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42; // "BM"
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + imageSize;
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    file.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    file.write(static_cast<const char*>(bits), imageSize);
    const bool written = copied && file.good();

    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return written;
}

// Lets the program and the X server finish painting before the picture is taken.
void SettlePainting(const KestrowDriver& app) {
    app.Sync();
    Sleep(500);
    app.Sync();
}

bool Shoot(const KestrowDriver& app, HWND window, const std::string& directory, const char* name) {
    SettlePainting(app);
    const std::string path = directory + "\\" + name + ".bmp";
    const bool saved = SaveWindowPicture(window, path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", path.c_str());
    return saved;
}

bool ClickItem(const KestrowDriver& app, Page page, int id) {
    return app.PostClick(app.PageItem(page, id)) && app.Sync();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::string directory = argv[1];
    KestrowDriver app;
    if (!app.Launch()) {
        std::fprintf(stderr, "Kestrow did not start\n");
        return 1;
    }
    bool ok = ClickItem(app, Page::PillarWrap, IDC_PW_CMD_BEST_SCALE) &&
              Shoot(app, app.Main(), directory, "pillar-wrap");

    ok = ok && app.SelectTab(Page::BevelScale) && ClickItem(app, Page::BevelScale, IDC_BS_CMD) &&
         Shoot(app, app.Main(), directory, "bevel-scale");

    const std::pair<int, const char*> floorInputs[] = {
        {IDC_FS_TEXWIDTH, "256"},  {IDC_FS_STRETCH_X, "2"}, {IDC_FS_LENGTH_X, "384"},
        {IDC_FS_TEXHEIGHT, "128"}, {IDC_FS_STRETCH_Y, "1"}, {IDC_FS_LENGTH_Y, "3.3"}};
    ok = ok && app.SelectTab(Page::FloorScale);
    for (const auto& [id, text] : floorInputs)
        ok = ok && WriteText(app.PageItem(Page::FloorScale, id), text);
    ok = ok && ClickItem(app, Page::FloorScale, IDC_FS_CMD) &&
         Shoot(app, app.Main(), directory, "floor-scale");

    ok = ok && app.SelectTab(Page::TextureSkew) &&
         ClickItem(app, Page::TextureSkew, IDC_TS_HORZ_SKEW) &&
         ClickItem(app, Page::TextureSkew, IDC_TS_CMD) &&
         Shoot(app, app.Main(), directory, "texture-skew");

    const std::optional<DialogWindow> remote = app.ClickForDialog(app.MainItem(IDC_MAIN_REMOTE));
    ok = ok && remote && Shoot(app, remote->window, directory, "remote");
    if (remote)
        app.CloseDialog(*remote, IDCANCEL);

    app.Kill();
    return ok ? 0 : 1;
}
