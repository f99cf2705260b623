#pragma once

#include <QWidget>
#include <memory>

namespace quellfin::bench {

// The start-up floor of the main window: "same widgets, no calculator". A plain Qt form with the
// main window's kinds and numbers of widgets at the same places, with the same captions, list
// entries, pictures, menu entries, report text and font, built with nothing but Qt calls: no
// form state, no recalculation, no bound widgets, no tab chain, no fitting of captions.
std::unique_ptr<QWidget> FloorForm();

} // namespace quellfin::bench
