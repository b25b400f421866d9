// Unit names mix scripts: an Arabic or Hebrew name carries Latin symbols and
// punctuation, mostly in brackets ("يورو (€, EUR)"). Laid out right to left,
// the bidirectional algorithm gives the brackets, commas and full stops of
// such a run to the right-to-left side and scrambles it ("(EUR ,€)"). Here
// each left-to-right run of a name is wrapped in a directional isolate, so it
// keeps its own order wherever the name is drawn. Only the drawn text gets the
// isolates: the names that are stored, compared, spoken or shared stay plain.
#pragma once

#include <QString>

namespace ratio {

// `text` as it should be laid out in a paragraph of direction `paragraph`:
// unchanged left to right; right to left, every run of it that holds Latin
// (or other left-to-right) letters and no right-to-left letter is isolated,
// from the word where its first such letter stands to the word of its last,
// whole brackets included. Text that holds isolates already is left alone.
QString unitNameForDirection(const QString& text, Qt::LayoutDirection paragraph);

} // namespace ratio
