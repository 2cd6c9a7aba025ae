#pragma once
// tamblin-dump gif [--png N OUT] FILE: the GIF as our decoder reads it, as JSON:
// {"screenWidth","screenHeight","loopCount","transparent","animated","frames":[{"left","top",
// "width","height","delay","disposal","transparent","interlaced","comment"}]}. With --png, the
// composed screen after frame N (1-based) goes to OUT as a PNG picture, transparent pixels
// with alpha 0. A file the decoder refuses prints nothing and fails.

int RunGif(int argc, char** argv);
