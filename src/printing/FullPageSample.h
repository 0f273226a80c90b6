#pragma once

#include "platform/Specimen.h"

#include <QString>
#include <QStringList>

class Canvas;
class PageLayout;
struct SheetContext;

// One family's full page under its heading: the twelve size lines from 8 to
// 60 points, the three chart lines in each of the four styles, and the codes
// 127 to 255 on four lines. Every line stands at a fixed place; long ones run
// off the page.
void PrintFullPage(Canvas& canvas, const PageLayout& layout, const QString& headingFont,
                   const QString& heading, const Specimen& family, const QStringList& sizeLines,
                   const QStringList& chartLines);

// A full page of its own for each selected family.
void PrintFullPages(SheetContext& context);
