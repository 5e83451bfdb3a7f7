#pragma once

#include "link/Desktop.h"

#include <memory>

// The application: runs the main window modally and ends when it ends. It owns
// the desktop the main window reaches the editor through.
class CToolApp {
public:
    explicit CToolApp(std::unique_ptr<kestrow::Desktop> desktop) : m_desktop(std::move(desktop)) {}
    bool InitInstance();

private:
    std::unique_ptr<kestrow::Desktop> m_desktop;
};
