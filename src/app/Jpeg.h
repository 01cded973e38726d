#pragma once

#include <QImage>
#include <cstddef>
#include <string>

namespace velmora {

// Decodes a JPEG stream with libjpeg (header, then scanline by scanline) into
// an RGB image. `nom` names the picture in the error: a damaged stream throws
// std::runtime_error("Image JPEG <nom> illisible : <libjpeg's reason>").
QImage DecoderJpeg(const unsigned char* octets, std::size_t taille, const std::string& nom);

}  // namespace velmora
