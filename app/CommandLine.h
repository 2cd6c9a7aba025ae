#pragma once
// What the command line asks Tamblin to do.
//
//   tamblin                  the start page index.htm beside the program
//   tamblin FILE[#anchor]    a page, text file, picture or folder, by path or as a file URL
//   tamblin /D DIR           the open dialog starts in DIR; nothing is opened
//   tamblin /DO DIR          the open dialog is shown at once, starting in DIR
//   tamblin -h | --help | --version
//   tamblin -- FILE          FILE even when it begins with "-"
// "/D" and "/DO" are options only when the argument is exactly that word (any letter case);
// without a folder after them nothing happens. Any other argument beginning with "-" is an
// unknown option.

#include <string>
#include <vector>

struct TCommandLineTarget {
  std::string Path;    // a file or folder name
  std::string Anchor;  // "#name", or empty
};

// A file URL ("file:" in any letter case, as "file:///dir/My%20Page.htm#part" or
// "file://localhost/dir/page.htm") is decoded as links are, and its "#" begins the anchor. A
// plain path is taken as the bytes it is; a "#" in it begins the anchor only when the whole
// names no file or folder: then at the last "#" whose left part names one, else at the first.
TCommandLineTarget ParseCommandLineTarget(const std::string& argument);

enum TCommandLineAction {
  caStartPage,       // no arguments
  caOpen,            // Target
  caSetFolder,       // /D: Folder
  caShowOpenDialog,  // /DO: Folder
  caNothing,         // /D or /DO without a folder
  caHelp,
  caVersion,
  caError  // Error says what is wrong; the usage follows it
};

struct TCommandLine {
  TCommandLineAction Action = caStartPage;
  TCommandLineTarget Target;
  std::string Folder;
  std::string Error;
};

// arguments: the command line without the program's name, as the bytes the system gave.
TCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text --help prints.
std::string CommandLineUsage();
