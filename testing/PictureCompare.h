#pragma once
// Comparing what a window drew with a reviewed picture (a PNG beside the tests). Small
// differences of font rasterising are tolerated. With KALVENROD_UPDATE_REFERENCE set in the
// environment the picture is written anew from what was drawn.

#include <QImage>
#include <gtest/gtest.h>

#include <string>

// Pixels whose red, green or blue differ by more than 24 levels.
int DifferingPixels(const QImage& a, const QImage& b);

// Same size, and fewer than one pixel in 200 differing.
::testing::AssertionResult MatchesReviewedPicture(const QImage& drawn, const std::string& referencePath);
