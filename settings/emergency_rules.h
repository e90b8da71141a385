// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the Emergency Information editor that need no widgets: the lists it offers,
// the texts a load selects, the bytes a store writes, which controls are enabled, and the
// factory values. The editor view only applies them to its drop-downs.

#include "image/radio_image.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace settings::emergency {

// Channels 0-199 in use (usage bit clear), ascending, as their numbers.
QStringList usedChannelNumbers(const image::RadioImage& img);
// "1" to "255".
QStringList secondsList();
// "Continuous", then "1" to "255".
QStringList cycleList();

// The cycle entry of a stored byte: "Continuous" for 0, else the number.
QString cycleText(std::uint8_t stored);

// The position a load selects in the ID list, -1 when the list is empty. A DTMF ID is found
// by its exact text ("M1" must not select "M10" while slot 1 is empty); a 5Tone ID selects
// the first entry that begins with its number. Either falls back to the first entry.
int idPosition(const QStringList& ids, int eniType, std::uint8_t stored);

// What a store writes for a shown text; nothing when no entry is shown, so the byte stays.
// An ID "Mk" stores k - 1, a number stores itself; "Continuous" stores 0.
std::optional<std::uint8_t> idToStore(QStringView shown);
std::optional<std::uint8_t> numberToStore(QStringView shown);

// What an index list stores: its selected position; nothing while it shows no selection,
// nor while the user has not chosen in it and the byte lies past the list (which a load
// shows as the first entry). So a byte the list cannot hold survives until the user acts.
std::optional<std::uint8_t> indexToStore(int selected, int listSize, std::uint8_t stored, bool chosenByUser);

// Which controls are enabled for an alarm type and ENI send channel position (-1: none).
// "Emergency ENI Send Select" and "Emergency Cycle" are always enabled.
struct Enables {
    bool alarmTime;
    bool eniType;
    bool emergencyId;
    bool txDuration;
    bool rxDuration;
    bool emergencyChannel;
};
Enables enablesFor(int alarmType, int sendChannel);

// Factory values for "Default.dat": a local alarm of 10 s, no ENI (10 s TX and RX should
// one be chosen) on the assigned channel 0, repeated continuously. They load unchanged.
void writeDefaults(image::RadioImage& img);

} // namespace settings::emergency
