// Picture data factory.
#include "gui/PicDataFactory.h"

#include "gui/AlphaPicData24.h"
#include "gui/AlphaPicData8.h"
#include "gui/ApicHeader.h"
#include "gui/PicData24.h"
#include "gui/PicData8.h"
#include "sys/res_fnc.h"

namespace ruvava
{

PicDataFactory &PicDataFactory::get_instance()
{
	static PicDataFactory instance;
	return instance;
}

PicDataInterface *PicDataFactory::create(const char *name_0) const
{
	size_t size = 0;
	const void *data_ptr = sys::get_resource("APIC", name_0, size);
	return (data_ptr != nullptr) ? create_from(data_ptr, size) : nullptr;
}

PicDataInterface *PicDataFactory::create_from(const void *data_ptr, size_t size)
{
	ApicHeader h;
	if (!h.read(data_ptr, size))
	{
		return nullptr;
	}
	const Coord2D pic_size(h._width, h._height);
	const uint8_t *pix_ptr = h._pixel_ptr;
	if (h._kind == ApicHeader::Kind_OPAQUE)
	{
		if (h._depth == 8)
		{
			return new PicData8(pic_size, pix_ptr, h._palette_ptr);
		}
		return new PicData24(pic_size, reinterpret_cast<const AlphaRGB *>(pix_ptr));
	}
	if (h._kind == ApicHeader::Kind_ALPHA)
	{
		if (h._depth == 8)
		{
			return new AlphaPicData8(pic_size, reinterpret_cast<const AlphaP *>(pix_ptr), h._palette_ptr);
		}
		return new AlphaPicData24(pic_size, reinterpret_cast<const AlphaRGB *>(pix_ptr));
	}
	return nullptr;
}

}  // namespace ruvava
