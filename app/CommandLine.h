#pragma once
// What the command line asks Tamblin to open.

#include <string>

struct TCommandLineTarget {
  std::string Path;    // a file name; a file URL is turned into its path
  std::string Anchor;  // "#name", or empty
  bool AsText = false; // a .txt file, shown as plain text
};

// Reads "page.htm", "page.htm#part", "file:///dir/page.htm#part" or
// "file://localhost/dir/page.htm"; percent escapes are decoded as in links.
TCommandLineTarget ParseCommandLineTarget(const std::string& argument);
