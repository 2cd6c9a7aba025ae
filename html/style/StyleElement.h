#pragma once
// The element as selectors see it. The document builder meets elements in source order with
// their ancestors still open, so an element need not live in a tree: a stack of open
// elements whose entries do not move (a deque), each pointing at the one below, serves.

#include <optional>
#include <string_view>

class TStyleElement {
 public:
  virtual ~TStyleElement() = default;

  // The tag name in any letter case ("DIV", "h2"); type selectors ignore case.
  virtual std::string_view TagName() const = 0;
  // The ID attribute's value; empty when there is none.
  virtual std::u32string_view Id() const = 0;
  // The CLASS attribute's value as written: class names separated by white space.
  virtual std::u32string_view ClassName() const = 0;
  // The value of the attribute with this lower-case name, or none when the element does not
  // have it (an attribute without a value answers an empty one).
  virtual std::optional<std::u32string_view> Attribute(std::string_view lowerName) const = 0;
  // The element that contains this one; null for the root.
  virtual const TStyleElement* Parent() const = 0;
  // Whether no element comes before this one in its parent.
  virtual bool IsFirstChild() const = 0;
  // Whether the element is a link: an anchor with an HREF.
  virtual bool IsLink() const = 0;
};
