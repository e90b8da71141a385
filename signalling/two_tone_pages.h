// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two pages of the 2Tone editor. Each page loads itself from the radio image and stores
// itself back; the view decides when (only the page on screen does either).

#include "forms/editor_host.h"
#include "image/radio_image.h"
#include "signalling/two_tone_codes.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QVBoxLayout;

namespace grid {
class GridView;
}

namespace signalling {

class CT2Page : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    // Both begin by committing what the user is typing, so nothing typed is lost or stale.
    virtual void load(const image::RadioImage& img) = 0;
    virtual void store(image::RadioImage& img) = 0;
};

// "Encode": the tone timing and the 32 codes the radio can send, edited in a grid whose
// cells are the only copy of the user's edits between a load and a store.
class CT2EncodePage final : public CT2Page {
    Q_OBJECT
public:
    // `host` hears what the list corrects in a typed tone.
    explicit CT2EncodePage(forms::EditorHost& host, QWidget* parent = nullptr);
    ~CT2EncodePage() override;

    void load(const image::RadioImage& img) override;
    void store(image::RadioImage& img) override;

    grid::GridView* grid() const { return m_grid; }
    // Buttons in a row under the list (the view's Play and "Save Sound As...").
    void placeUnderList(const QList<QWidget*>& buttons);

private:
    void setUpGrid();
    twotone::EncodeRow row(int gridRow) const;
    void showRow(int gridRow, const twotone::EncodeRow& cells);
    bool beforeEdit(int gridRow, int column);
    void commitCell(int gridRow, int column, const QString& text);

    forms::EditorHost& m_host;
    grid::GridView* m_grid;  // children: owned through the widget tree
    QVBoxLayout* m_listColumn;
    QComboBox* m_tone1Duration;
    QComboBox* m_tone2Duration;
    QComboBox* m_longToneDuration;
    QComboBox* m_gapTime;
    QComboBox* m_autoResetTime;
    QCheckBox* m_sideTone;
};

// "Decode": the A-D tones, the call format made of two of them and the decode response.
class CT2DecodePage final : public CT2Page {
    Q_OBJECT
public:
    // `host` hears what a tone field corrects when the user leaves it.
    explicit CT2DecodePage(forms::EditorHost& host, QWidget* parent = nullptr);

    void load(const image::RadioImage& img) override;
    void store(image::RadioImage& img) override;

private:
    void enableFormatTones();
    void checkTone(int tone);
    void leaveTone(int tone);

    forms::EditorHost& m_host;
    QComboBox* m_callFormat;  // children: owned through the widget tree
    QComboBox* m_decodeResponse;
    std::array<QLineEdit*, twotone::kDecodeToneCount> m_tones{};
};

} // namespace signalling
