// Fuzz target: a picture or font resource read by the factories, then drawn
// whole, at a sub-pixel position, turned, and (fonts) printed.
#include "gui/FontFactory.h"
#include "gui/PicDataFactory.h"
#include "gui/Picture.h"
#include "gui/RenderingBufferMem.h"

#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data_ptr, size_t size)
{
	if (size < 1)
	{
		return 0;
	}
	// The first byte chooses the factory and the drawing positions; the rest
	// is the resource, in a block of its own size so that reads past it show.
	const unsigned char sel = data_ptr[0];
	const std::vector<unsigned char> res(data_ptr + 1, data_ptr + size);
	ruvava::RenderingBufferMem buf(ruvava::Coord2D(16, 16));
	const float shift = float(sel & 0x0F) / 4 - 2;
	if ((sel & 0x80) == 0)
	{
		std::unique_ptr<ruvava::PicDataInterface> data(ruvava::PicDataFactory::create_from(res.data(), res.size()));
		if (data)
		{
			ruvava::Picture pic(data.get());
			pic.set_hot(ruvava::Coord2D(sel & 7, (sel >> 3) & 7));
			pic.blit(ruvava::Rect(-8, -8, 8, 8), buf);
			pic.blit_alpha(ruvava::Rect(-4, -4, 12, 12), buf, 0.5f);
			pic.blit_subpix(shift, -shift, buf.get_size(), buf);
			pic.blit_rotate(shift, shift, buf.get_size(), 0.7f + shift, buf);
		}
	}
	else
	{
		std::unique_ptr<ruvava::FontInterface> font(ruvava::FontFactory::create_from(res.data(), res.size()));
		if (font)
		{
			ruvava::TextFrame frame;
			frame.set_text("Tarvelle \xE9\xFF\x01");
			frame.set_size(ruvava::Coord2D(20, 12));
			frame.set_justification(sel & 3);
			font->print(ruvava::Rect(int32_t(shift), -1, 16 + int32_t(shift), 15), buf, frame);
		}
	}
	return 0;
}
