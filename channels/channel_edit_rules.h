// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the Channel Edit dialog that need no widgets: which squelch modes the current
// selections allow, which codes an optional-signalling type offers, and how the dialog steps
// from slot to slot.

#include "channels/channel_record.h"
#include "image/radio_image.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace channels {

// Signalling-type list positions.
inline constexpr int kSignallingOff = 0;
inline constexpr int kSignallingDtmf = 1;
inline constexpr int kSignallingTwoTone = 2;
inline constexpr int kSignallingFiveTone = 3;

// "Carrier" alone, or with "Optional Signaling" when a signalling type is chosen; with a
// decode or encode tone "Carrier", "CTCSS/DCS", or all five modes with a signalling type too.
QStringList squelchEntries(bool toneChosen, bool signallingChosen);
// The stored squelch mode of an entry text (exact text); 0 for anything else.
int squelchCode(QStringView text);

// Codes offered for a signalling type: "M1"-"M16" for DTMF; the 2Tone or 5Tone entries in
// use (occupancy bit clear), as ascending decimal numbers; nothing for "Off" or an unknown type.
QStringList signallingCodeEntries(const image::RadioImage& img, int signallingType);
// The entry the dialog selects on load for the record's own type and codes.
QString signallingCodeText(const ChannelRecordView& record);
// The code an entry stands for: "M%d" - 1, otherwise its decimal value (empty gives 0).
int signallingCodeValue(QStringView text);

// What the dialog shows on loading a record: the squelch entry of its stored mode when the
// record's tone and signalling choices offer it, else the first entry ("Carrier"); the code
// entry of its signalling type, else the first code offered ("" for "Off").
QString loadedSquelchText(const ChannelRecordView& record);
QString loadedSignallingCodeText(const image::RadioImage& img, const ChannelRecordView& record);
// What the Channel Edit dialog holds when it stores a channel: its texts and the positions
// chosen in its drop-downs, -1 where a list shows no selection (a stored index past the
// list, which the store then keeps). The dialog fills it from its controls.
struct ChannelEdit {
    struct Tone {
        int type = -1;   // tone-type list position
        int value = -1;  // CTCSS table position or DCS code
        bool inverted = false;
    };
    QString rx;
    QString tx;
    QString name;
    int step = -1;
    int spacing = -1;
    int power = -1;
    Tone decode;
    Tone encode;
    int signalling = -1;
    QString code;  // the code entry shown: "M5", "3", or "" when the type offers none
    QString squelch;
    int busyLock = -1;
    int dtmfPttId = -1;
    int fiveTonePttId = -1;
    int scrambler = -1;  // no selection stores "Off"
    bool txOff = false;
    bool reverse = false;
    bool compander = false;
    bool talkAround = false;
    bool scanSkip = false;
};
// The dialog's store: an empty RX clears the slot; otherwise every field, the slot marked in use.
void storeChannelEdit(image::RadioImage& img, int slot, const ChannelEdit& edit);
// What the dialog shows on loading the record of a slot in use.
ChannelEdit loadedChannelEdit(const image::RadioImage& img, int slot);

// "NO." holds a channel label: "199" and "VFO" are the longest.
inline constexpr int kSlotTextLength = 3;

// Slot named by a "NO." text, clamped into 1-203.
int clampedSlot(int slot);
// Up-down step from the slot named by "NO.": past either end a positive step lands on the
// first slot and any other step on "VFO", so stepping wraps between "VFO" and "0". Any
// named slot and step are taken, the int range's ends included.
int steppedSlot(int namedSlot, int step);

} // namespace channels
