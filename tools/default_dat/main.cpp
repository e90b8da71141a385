// SPDX-License-Identifier: GPL-3.0-or-later
// Writes "Default.dat", the configuration delivered beside the program.
// Usage: qmr_default_dat <output file>

#include "default_image.h"
#include "image/parameter_file.h"

#include <QString>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: qmr_default_dat <output file>\n");
        return 2;
    }
    const image::FilePrefixBlock prefix{};
    const image::FileResult result =
        image::writeParameterFile(QString::fromLocal8Bit(argv[1]), prefix, defaultdat::defaultImage());
    if (!result.ok) {
        std::fprintf(stderr, "qmr_default_dat: %s: %s\n", argv[1], qPrintable(result.errorText));
        return 1;
    }
    return 0;
}
