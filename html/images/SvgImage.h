#pragma once
// SVG pictures: drawn by the platform (platform/SvgRenderer.h) at the size the document gives
// itself (SvgRoot.h), for IMG sources and backgrounds through the image loading like any
// other picture, and for the svg elements written inline in a page.
// The platform's picture keeps its alpha, which canvases blend with what lies beneath, as for
// a PNG.

#include <memory>
#include <string>
#include <string_view>

#include "html/images/ImageLoad.h"
#include "html/images/ImageTypes.h"
#include "platform/Color.h"

class TImageObj;
class TSvgRenderer;

// SVG data drawn at its picture size, currentColor standing for color (plain red, green and
// blue). A picture with transparent parts keeps its alpha channel and answers trAlpha; one
// without leaves transparency alone, so that TRANSP still asks for a mask from the lower-left
// pixel. Empty when data is no SVG or there is no renderer or it cannot draw the picture.
TDecodedImage DecodeSvg(TImageBytes data, const TSvgRenderer* renderer, TColor color,
                        TTransparency& transparency);

// The picture of an inline svg element whose source (UTF-8) the image object keeps, as
// LoadImage gives pictures. It is cached under its source and colour, a key no file name or
// host source can have, so a page shown again or a drawing repeated is drawn once.
TLoadedImage LoadInlineSvg(const TSvgRenderer& renderer, const std::string& source,
                           TColor color, TTransparency& transparency);

// The image object for an svg element written inline in a page: markup is the element as the
// page has it, from "<svg" to its end tag, and textColor the colour of the text around it,
// for currentColor (a system colour is resolved when the picture is drawn). HTML's named
// character references in it become numeric ones, since XML knows only its own five. The
// object is sized by the element's width, height and viewBox as a picture with WIDTH and
// HEIGHT, so it takes the same room where the platform cannot draw it and the usual
// placeholder shows.
std::unique_ptr<TImageObj> MakeInlineSvgImage(std::u32string_view markup, TColor textColor);
