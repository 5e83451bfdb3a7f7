#pragma once

// The application: runs the main window modally and ends when it ends.
class CToolApp {
public:
    bool InitInstance();
};
