#include "html/parser/Entities.h"

#include <array>
#include <unordered_map>

#include "html/parser/Windows1252.h"

namespace {

struct TEntityEntry {
  std::u32string_view Name;
  char32_t Char;
};

// The first four, then codes 160 to 255 in order.
constexpr std::array<std::u32string_view, 96> Latin1Names{
    U"nbsp",   U"iexcl",  U"cent",   U"pound",  U"curren", U"yen",    U"brvbar", U"sect",
    U"uml",    U"copy",   U"ordf",   U"laquo",  U"not",    U"shy",    U"reg",    U"macr",
    U"deg",    U"plusmn", U"sup2",   U"sup3",   U"acute",  U"micro",  U"para",   U"middot",
    U"cedil",  U"sup1",   U"ordm",   U"raquo",  U"frac14", U"frac12", U"frac34", U"iquest",
    U"Agrave", U"Aacute", U"Acirc",  U"Atilde", U"Auml",   U"Aring",  U"AElig",  U"Ccedil",
    U"Egrave", U"Eacute", U"Ecirc",  U"Euml",   U"Igrave", U"Iacute", U"Icirc",  U"Iuml",
    U"ETH",    U"Ntilde", U"Ograve", U"Oacute", U"Ocirc",  U"Otilde", U"Ouml",   U"times",
    U"Oslash", U"Ugrave", U"Uacute", U"Ucirc",  U"Uuml",   U"Yacute", U"THORN",  U"szlig",
    U"agrave", U"aacute", U"acirc",  U"atilde", U"auml",   U"aring",  U"aelig",  U"ccedil",
    U"egrave", U"eacute", U"ecirc",  U"euml",   U"igrave", U"iacute", U"icirc",  U"iuml",
    U"eth",    U"ntilde", U"ograve", U"oacute", U"ocirc",  U"otilde", U"ouml",   U"divide",
    U"oslash", U"ugrave", U"uacute", U"ucirc",  U"uuml",   U"yacute", U"thorn",  U"yuml",
};

// Names of later pages: letters of other scripts, symbols and typographic marks. A name
// longer than seven characters can never be scanned whole, so none stands here.
constexpr TEntityEntry LaterEntities[] = {
    {U"OElig", 338}, {U"oelig", 339}, {U"Scaron", 352}, {U"scaron", 353}, {U"Yuml", 376},
    {U"fnof", 402}, {U"circ", 710}, {U"tilde", 732},
    {U"Alpha", 913}, {U"Beta", 914}, {U"Gamma", 915}, {U"Delta", 916}, {U"Epsilon", 917},
    {U"Zeta", 918}, {U"Eta", 919}, {U"Theta", 920}, {U"Iota", 921}, {U"Kappa", 922},
    {U"Lambda", 923}, {U"Mu", 924}, {U"Nu", 925}, {U"Xi", 926}, {U"Omicron", 927},
    {U"Pi", 928}, {U"Rho", 929}, {U"Sigma", 931}, {U"Tau", 932}, {U"Upsilon", 933},
    {U"Phi", 934}, {U"Chi", 935}, {U"Psi", 936}, {U"Omega", 937},
    {U"alpha", 945}, {U"beta", 946}, {U"gamma", 947}, {U"delta", 948}, {U"epsilon", 949},
    {U"zeta", 950}, {U"eta", 951}, {U"theta", 952}, {U"iota", 953}, {U"kappa", 954},
    {U"lambda", 955}, {U"mu", 956}, {U"nu", 957}, {U"xi", 958}, {U"omicron", 959},
    {U"pi", 960}, {U"rho", 961}, {U"sigmaf", 962}, {U"sigma", 963}, {U"tau", 964},
    {U"upsilon", 965}, {U"phi", 966}, {U"chi", 967}, {U"psi", 968}, {U"omega", 969},
    {U"upsih", 978}, {U"piv", 982},
    {U"ensp", 8194}, {U"emsp", 8195}, {U"thinsp", 8201}, {U"zwnj", 8204}, {U"zwj", 8205},
    {U"lrm", 8206}, {U"rlm", 8207}, {U"ndash", 8211}, {U"mdash", 8212}, {U"lsquo", 8216},
    {U"rsquo", 8217}, {U"sbquo", 8218}, {U"ldquo", 8220}, {U"rdquo", 8221},
    {U"bdquo", 8222}, {U"dagger", 8224}, {U"Dagger", 8225}, {U"bull", 8226},
    {U"hellip", 8230}, {U"permil", 8240}, {U"prime", 8242}, {U"Prime", 8243},
    {U"lsaquo", 8249}, {U"rsaquo", 8250}, {U"oline", 8254}, {U"frasl", 8260},
    {U"euro", 8364}, {U"image", 8465}, {U"weierp", 8472}, {U"real", 8476},
    {U"trade", 8482}, {U"alefsym", 8501},
    {U"larr", 8592}, {U"uarr", 8593}, {U"rarr", 8594}, {U"darr", 8595}, {U"harr", 8596},
    {U"crarr", 8629}, {U"lArr", 8656}, {U"uArr", 8657}, {U"rArr", 8658}, {U"dArr", 8659},
    {U"hArr", 8660},
    {U"forall", 8704}, {U"part", 8706}, {U"exist", 8707}, {U"empty", 8709},
    {U"nabla", 8711}, {U"isin", 8712}, {U"notin", 8713}, {U"ni", 8715}, {U"prod", 8719},
    {U"sum", 8721}, {U"minus", 8722}, {U"lowast", 8727}, {U"radic", 8730},
    {U"prop", 8733}, {U"infin", 8734}, {U"ang", 8736}, {U"and", 8743}, {U"or", 8744},
    {U"cap", 8745}, {U"cup", 8746}, {U"int", 8747}, {U"there4", 8756}, {U"sim", 8764},
    {U"cong", 8773}, {U"asymp", 8776}, {U"ne", 8800}, {U"equiv", 8801}, {U"le", 8804},
    {U"ge", 8805}, {U"sub", 8834}, {U"sup", 8835}, {U"nsub", 8836}, {U"sube", 8838},
    {U"supe", 8839}, {U"oplus", 8853}, {U"otimes", 8855}, {U"perp", 8869},
    {U"sdot", 8901}, {U"lceil", 8968}, {U"rceil", 8969}, {U"lfloor", 8970},
    {U"rfloor", 8971}, {U"lang", 9001}, {U"rang", 9002}, {U"loz", 9674},
    {U"spades", 9824}, {U"clubs", 9827}, {U"hearts", 9829}, {U"diams", 9830},
};

const std::unordered_map<std::u32string_view, char32_t>& EntityIndex() {
  static const auto index = [] {
    std::unordered_map<std::u32string_view, char32_t> map;
    map.emplace(U"amp", U'&');
    map.emplace(U"lt", U'<');
    map.emplace(U"gt", U'>');
    map.emplace(U"quot", U'"');
    for (std::size_t i = 0; i < Latin1Names.size(); ++i)
      map.emplace(Latin1Names[i], static_cast<char32_t>(160 + i));
    for (const TEntityEntry& entry : LaterEntities) map.emplace(entry.Name, entry.Char);
    return map;
  }();
  return index;
}

}  // namespace

std::optional<char32_t> LookupEntity(std::u32string_view name) {
  const auto& index = EntityIndex();
  auto found = index.find(name);
  if (found == index.end()) return std::nullopt;
  return found->second;
}

std::optional<char32_t> NumericEntityChar(std::uint32_t code) {
  if (code == 9) return U' ';
  if (code == 10) return U'\n';
  if (code < 32) return std::nullopt;
  if (code >= 0x80 && code <= 0x9F) return Windows1252Char(static_cast<unsigned char>(code));
  if (code >= 0xD800 && code <= 0xDFFF) return std::nullopt;
  if (code > 0x10FFFF) return std::nullopt;
  return static_cast<char32_t>(code);
}
