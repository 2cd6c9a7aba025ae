#pragma once
// The host's handlers that the builder calls for head elements. Each receives the viewer
// (which may be null) as its sender. Include directives use TIncludeHandler (Tokenizer.h).

#include <functional>
#include <string>

class TriruRedu;

// A META element: the texts of HTTP-EQUIV, NAME and CONTENT, each empty when absent.
using TMetaType = std::function<void(TriruRedu* sender, const std::u32string& httpEq,
                                     const std::u32string& name,
                                     const std::u32string& content)>;

// A background sound: play Src Loop times (-1 without end). The viewer also calls it with an
// empty Src, Loop 0 and Terminate set to stop what plays.
using TSoundType = std::function<void(TriruRedu* sender, const std::u32string& src, int loop,
                                      bool terminate)>;

// A SCRIPT element with a handler: the LANGUAGE text (empty when absent) and the whole
// content, line ends as carriage return and line feed. The handler owns the script text.
using TScriptEvent = std::function<void(TriruRedu* sender, const std::u32string& language,
                                        std::u32string script)>;
