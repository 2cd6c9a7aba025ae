#pragma once
// How a link in a document becomes a file name (the viewer's ExpandLink), as pure functions.
// Names are POSIX paths, kept as bytes (UTF-8 where the document gave Unicode) and compared
// with their letter case.
//
// 1. Blanks and control characters around the link are dropped.
// 2. Percent escapes are decoded from left to right (each "%" and two hexadecimal digits
//    become the byte they spell). A "%" as the very first character, a "%" without two
//    characters after it or a pair that is not hexadecimal ends the decoding; decoded bytes
//    are never decoded again.
// 3. A leading "file:///" or "file://localhost/" becomes "/", another "file://" is dropped,
//    and every backslash written as such becomes "/" (an escaped one, %5C, is a character of
//    the name).
// 4. A name beginning with "/" is taken below the server root when one is set, else as an
//    absolute path.
// 5. A relative name is taken in the folder of the document's BASE when it has one (used as
//    a prefix, unchanged), else in the document file's folder; a BASE of "DosPath" (any case)
//    leaves relative names as they are, and so does a link with a scheme ("http:", "mailto:").
// Absolute results come back normalised ("." and ".." resolved).

#include <string>
#include <string_view>

#include "html/support/Trim.h"  // step 1

// Steps 2 and 3 above.
std::string UrlToPath(std::string_view url);

// Steps 2 to 4.
std::string ExpandRootedPath(std::string_view url, std::string_view serverRoot);

// All the steps. docFileName is the file shown now (empty for none).
std::string ExpandLinkPath(std::u32string_view link, std::string_view serverRoot,
                           std::u32string_view docBase, std::string_view docFileName);

// The full, normalised form of a file name (relative names are taken in the current folder).
std::string FullPath(std::string_view name);

// The extension of a file name with its dot, upper-cased (ASCII letters), cut to 5
// characters; empty when the last part of the name has no dot.
std::string UpperExtension(std::string_view name);

// What a file's name says it holds, by its extension in any letter case:
//   .htm .html .xhtml                     a page
//   .txt                                  plain text
//   .bmp .gif .jpg .jpeg .png             a picture the engine decodes
//   .svg                                  a drawing, shown only where the platform draws SVG
// A page or text compressed with gzip (".html.gz", ".txt.gz", ...) is the same kind: the
// document reader inflates it. Anything else is another program's.
enum TNameKind { nkPage, nkText, nkPicture, nkDrawing, nkOther };
TNameKind NameKindOf(std::string_view name);

// A folder's name as documents are opened by: ending in one "/", so that the links of its
// listing are taken inside it.
std::string FolderName(std::string_view name);

// Text given as bytes (a file name's anchor part) read as characters by the rules for plain
// text (SourceText.h): UTF-8 when it is mostly UTF-8, else Windows-1252.
std::u32string DecodeName(std::string_view bytes);
