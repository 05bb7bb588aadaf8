// Build step: draws the status pictures into the files the programs need.
// Usage: fq_statusicons_generator <output folder>
#include <QString>
#include <exception>
#include <iostream>

#include "StatusIconFiles.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <output folder>\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    try {
        fq::WriteDialogPictures(folder);
        fq::WriteIconFiles(folder);
        fq::WriteContactSheet(folder);
    } catch (const std::exception& error) {
        std::cerr << argv[0] << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
