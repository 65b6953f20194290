#pragma once
// The preview copy of a page lives in a temporary folder, where the page's relative references
// lead nowhere. Pointing them at the files they stand for makes the browser show what the page
// will show on the seller's site: its pictures, tiles and style sheets.
#include <QString>
#include <functional>

// The page with every relative reference (the src, href and background attributes, and CSS
// url()) for which `locate` gives a file replaced by that file's URL; a query or fragment
// after the name stays. References that `locate` does not find, absolute ones, links with a
// scheme and fragments stay as written. `locate` gets the name decoded (%20 as a blank).
QString WithLocalReferences(const QString& html, const std::function<QString(const QString&)>& locate);
