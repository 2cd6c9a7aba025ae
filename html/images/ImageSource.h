#pragma once
// Where a document's image sources lead: the one small interface through which image loading
// reaches the host. The document holds one (the viewer provides it, answering with its
// OnImageRequest handler and its link expansion); a document without one takes each source
// as a file name as it stands.

#include <string>
#include <string_view>

#include "html/images/ImageTypes.h"

class TImageSource {
 public:
  virtual ~TImageSource() = default;

  // Whether the host answers image requests itself. Sources are then handed to RequestImage
  // exactly as the document wrote them and are never taken as file names.
  virtual bool AnswersImageRequests() const = 0;
  // The host's answer for source: the bytes of an image file, null for none, or WaitStream()
  // for "not available yet". The stream stays the host's; it must live until the load that
  // asked for it returns.
  virtual const TMemoryStream* RequestImage(const std::u32string& source) = 0;
  // The full file name source stands for (relative names are taken in the document's folder),
  // used when the host does not answer requests.
  virtual std::string ImageFileName(std::u32string_view source) const = 0;
};

// The sentinel a host answers with when a picture is not available yet. Its content is never
// read; only its address counts.
const TMemoryStream* WaitStream();
