#pragma once

struct SheetContext;

// A page for each selected family with the paragraph text set at every
// ticked paragraph size, each under a label naming its size. The page ends
// at 10.5 inches: what falls below is cut, nothing continues on a new page.
void PrintTextParagraphs(SheetContext& context);
