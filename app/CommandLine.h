#pragma once
// What the command line asks Tamblin to do.
//
//   tamblin                  the start page index.htm beside the program
//   tamblin FILE[#anchor]    FILE may be a path (absolute ones begin with "/") or a file URL
//   tamblin /D DIR           the open dialog starts in DIR; nothing is opened
//   tamblin /DO DIR          the open dialog is shown at once, starting in DIR
//   tamblin --help | --version
// "/D" and "/DO" are options only when the argument is exactly that word (any letter case);
// without a folder after them nothing happens.

#include <string>
#include <vector>

struct TCommandLineTarget {
  std::string Path;     // a file name; a file URL is turned into its path
  std::string Anchor;   // "#name", or empty
  bool AsText = false;  // a .txt file, shown as plain text
};

// Reads "page.htm", "page.htm#part", "file:///dir/page.htm#part" or
// "file://localhost/dir/page.htm"; percent escapes are decoded as in links.
TCommandLineTarget ParseCommandLineTarget(const std::string& argument);

enum TCommandLineAction {
  caStartPage,       // no arguments
  caOpen,            // Target
  caSetFolder,       // /D: Folder
  caShowOpenDialog,  // /DO: Folder
  caNothing,         // /D or /DO without a folder
  caHelp,
  caVersion
};

struct TCommandLine {
  TCommandLineAction Action = caStartPage;
  TCommandLineTarget Target;
  std::string Folder;
};

// arguments: the command line without the program's name.
TCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text --help prints.
std::string CommandLineUsage();
