// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_files.h"

#include <QFileInfo>

namespace app {

namespace {

void makeCurrent(AppState& state, const QString& path) {
    const QFileInfo info(path);
    state.config.currentFileName = info.fileName();
    state.config.currentFilePath = info.absoluteFilePath();
}

} // namespace

bool loadDefaultFile(AppState& state) {
    const image::FileResult result =
        image::readParameterFile(state.config.appDir + kDefaultParameterFile, state.prefix, state.image);
    if (!result.ok) return false;  // a missing "Default.dat" leaves everything as it was
    state.bandLimits = image::decodeBandLimits(state.image);
    return true;
}

image::FileResult openParameterFile(AppState& state, const QString& path) {
    const image::FileResult result = image::readParameterFile(path, state.prefix, state.image);
    if (!result.ok) return result;
    state.bandLimits = image::decodeBandLimits(state.image);
    makeCurrent(state, path);
    return result;
}

image::FileResult saveParameterFile(AppState& state, const QString& path) {
    const image::FileResult result = image::writeParameterFile(path, state.prefix, state.image);
    if (result.ok) makeCurrent(state, path);
    return result;
}

void forgetCurrentFile(AppState& state) {
    state.config.currentFileName.clear();
    state.config.currentFilePath.clear();
}

} // namespace app
