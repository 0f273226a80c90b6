#pragma once

#include <array>

// The main window's option controls whose state is kept between runs, as
// "control.Property", in the order they are restored and saved.
inline constexpr std::array<const char*, 32> MainFormSettings{
    "chkBold.Checked",          "chkCharChart.Checked",      "chkFullPage.Checked",
    "chkGridBold.Checked",      "chkGridItalic.Checked",     "chkItalic.Checked",
    "chkLargeBold.Checked",     "chkLargeItalic.Checked",    "chkPara.Checked",
    "chkPara10.Checked",        "chkPara105.Checked",        "chkPara11.Checked",
    "chkPara115.Checked",       "chkPara12.Checked",         "chkPara13.Checked",
    "chkPara14.Checked",        "chkPara7.Checked",          "chkPara75.Checked",
    "chkPara8.Checked",         "chkPara85.Checked",         "chkPara9.Checked",
    "chkPara95.Checked",        "chkSample.Checked",         "chkSampleBold.Checked",
    "chkSampleItalic.Checked",  "chkShortSample.Checked",    "spnLargeSample.Value",
    "spnPointSize.Value",       "spnPreviewPrintSize.Value", "spnPreviewSize.Value",
    "spnSampleSize.Value",      "spnSelected.Value",
};
