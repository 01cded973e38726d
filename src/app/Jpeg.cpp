#include "app/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <stdexcept>

#include <jpeglib.h>

namespace velmora {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// jump back to DecoderJpeg, which throws once libjpeg's state is destroyed.
struct GestionErreur {
    jpeg_error_mgr base;
    std::jmp_buf retour;
    char message[JMSG_LENGTH_MAX];
};

void SortieErreur(j_common_ptr cinfo) {
    auto* gestion = reinterpret_cast<GestionErreur*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, gestion->message);
    std::longjmp(gestion->retour, 1);
}

void IgnorerAvertissement(j_common_ptr, int) {}

// setjmp lives here, apart from the caller's objects: nothing of this frame
// changes between setjmp and a longjmp, and `image` belongs to the caller.
bool Decoder(jpeg_decompress_struct& cinfo, GestionErreur& gestion, const unsigned char* octets,
             std::size_t taille, QImage& image) {
    if (setjmp(gestion.retour) != 0) {
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, octets, static_cast<unsigned long>(taille));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    image = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                   QImage::Format_RGB888);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW ligne = image.scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &ligne, 1);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

}  // namespace

QImage DecoderJpeg(const unsigned char* octets, std::size_t taille, const std::string& nom) {
    jpeg_decompress_struct cinfo{};
    GestionErreur gestion{};
    cinfo.err = jpeg_std_error(&gestion.base);
    gestion.base.error_exit = SortieErreur;
    gestion.base.emit_message = IgnorerAvertissement;
    QImage image;
    const bool lue = Decoder(cinfo, gestion, octets, taille, image);
    jpeg_destroy_decompress(&cinfo);
    if (!lue) {
        throw std::runtime_error("Image JPEG " + nom + " illisible : " + gestion.message);
    }
    return image;
}

}  // namespace velmora
