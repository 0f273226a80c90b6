#pragma once

#include "platform/Specimen.h"

class Canvas;
class CharacterCoverage;
class PageLayout;
struct SheetContext;

// One family's chart under its heading: codes 33 to 255 in 16 rows of 14
// cells, each a small label with the code above the character at 16 points.
void PrintCharacterChart(Canvas& canvas, const PageLayout& layout, const QString& headingFont,
                         const QString& heading, const Specimen& family);

// Every block the family covers, sixteen characters a row under the block's
// name, as many pages as it takes; stops at a page's end on cancel.
void PrintAllCharacters(SheetContext& context, const CharacterCoverage& coverage,
                        const QString& heading, const Specimen& family);

// A chart page of its own for each selected family; of every block it covers
// when the options ask for all characters.
void PrintCharacterCharts(SheetContext& context);
