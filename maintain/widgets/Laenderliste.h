#pragma once
// The country drop-down of the maintenance dialogs: the 66 non-empty rows of the country table.
class QComboBox;

namespace qnt {

// Fills the list anew and selects its first entry, "SI-Einheit". The field may be typed over;
// typing never adds an entry.
void fuelleLaenderliste(QComboBox* liste);

// The LandNr that the field shows: the entry whose name it holds (letter case aside), or 4
// ("Eigene Einheit") when it was emptied or typed over with something that is no country.
int gewaehlteLandNr(const QComboBox* liste);

} // namespace qnt
