// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 5Tone encode list on the 5Tone editor's form: 100 entries in a grid, edited in place,
// with special calls set by the list's "Special Call" dialog. Between a load and a store the
// grid cells are the only copy of the entries. A row the user did not change is not written
// back, so codes the radio or another program stored survive byte for byte.

#include "signalling/five_tone_codes.h"

#include <QString>

#include <array>
#include <functional>

namespace app {
class Prompts;
}
namespace grid {
class GridView;
}

namespace signalling {

class FiveToneEncodeList {
public:
    // `standardChosen` is told the standard the user picks in column 3 (the form shows its table).
    FiveToneEncodeList(grid::GridView& grid, app::Prompts& prompts, std::function<void(int)> standardChosen);
    ~FiveToneEncodeList();
    FiveToneEncodeList(const FiveToneEncodeList&) = delete;
    FiveToneEncodeList& operator=(const FiveToneEncodeList&) = delete;

    // The self ID must be the one the form shows; the interval character is read from 0x0331.
    void load(const image::RadioImage& img, const QString& selfId);
    void store(image::RadioImage& img, const QString& selfId);

    // The entry of the grid's current row (0 when none).
    int currentEntry() const;
    void applySpecialCall(const five_tone::SpecialCall& call);

    five_tone::EncodeEntryCells cells(int entry) const;

private:
    void setUpGrid();
    void showCells(int entry, const five_tone::EncodeEntryCells& cells);
    bool beforeEdit(int row, int column);
    void commitCell(int row, int column, const QString& text);
    void doubleClicked(int row);

    grid::GridView& m_grid;
    app::Prompts& m_prompts;
    std::function<void(int)> m_standardChosen;
    // What each entry's bytes in the image stand for, as of the last load or store, and the
    // self ID they were read or written with.
    std::array<five_tone::EncodeEntryCells, five_tone::kEncodeEntries> m_inImage;
    QString m_inImageSelfId;
};

} // namespace signalling
