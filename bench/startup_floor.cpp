// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a bare Qt Widgets program that shows a maximized main window
// and answers the same probe as the program does.
#include <QApplication>
#include <QMainWindow>

#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.showMaximized();
    QCoreApplication::processEvents();
    std::ifstream status("/proc/self/status");
    std::string rss = "-1";
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) rss = line.substr(6, line.find("kB") - 6);
    std::cout << "startup-probe rss-kb " << rss << std::endl;
    return 0;
}
