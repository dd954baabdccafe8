// Program slot and its memory image.
#include "params/ProgramSlot.h"

#include "sys/ByteOrder.h"
#include "sys/basic_fnc.h"

#include <cstddef>
#include <algorithm>
#include <cstring>

namespace rivo
{

ProgramSlot::ProgramSlot() : _name("Default")
{
	_name.reserve(NAME_FIELD_LEN);
}

ProgramSlot::ProgramSlot(const ProgramSlot &other)
: _param_list(other._param_list), _extra_list(other._extra_list), _flags(other._flags)
{
	_name.reserve(NAME_FIELD_LEN);
	_name = other._name;
}

void ProgramSlot::set_name(const std::string &name)
{
	_name.assign(name, 0, NAME_FIELD_LEN - 1);
}

ProgramSlot &ProgramSlot::operator=(const ProgramSlot &other)
{
	if (this != &other)
	{
		_param_list = other._param_list;
		_extra_list = other._extra_list;
		_name = other._name;
	}
	return *this;
}

bool ProgramSlot::operator==(const ProgramSlot &other) const
{
	// Parameters compare by bits so that the test is exact for any stored value.
	return _flags == other._flags && _name == other._name && _extra_list == other._extra_list &&
	       _param_list.size() == other._param_list.size() &&
	       (_param_list.empty() ||
	        std::memcmp(_param_list.data(), other._param_list.data(), _param_list.size() * sizeof(float)) == 0);
}

void ProgramSlot::set_nbr_param(int nbr)
{
	_param_list.resize(size_t(nbr > 0 ? nbr : 0), 0.0f);
}

void ProgramSlot::set_extra_byte_size(long size)
{
	_extra_list.resize(size_t(size > 0 ? size : 0), 0);
}

long ProgramSlot::get_object_size() const
{
	return HEADER_SIZE + NAME_FIELD_LEN + 4 * long(_param_list.size()) + long(_extra_list.size());
}

int ProgramSlot::write_to_memory(unsigned char *buf_ptr, long len) const
{
	if (len < get_object_size())
	{
		return Err_BUF_TOO_SMALL;
	}
	basic::write_be32(buf_ptr, std::uint32_t(_flags));
	basic::write_be16(buf_ptr + 4, std::uint16_t(NAME_FIELD_LEN));
	basic::write_be16(buf_ptr + 6, std::uint16_t(_param_list.size()));
	basic::write_be32(buf_ptr + 8, std::uint32_t(_extra_list.size()));
	// Bytes after the terminator are left as they are: callers wanting defined
	// padding clear the buffer first.
	basic::strncpy_0(reinterpret_cast<char *>(buf_ptr + HEADER_SIZE), _name.c_str(), NAME_FIELD_LEN);
	unsigned char *p = buf_ptr + HEADER_SIZE + NAME_FIELD_LEN;
	for (const float v : _param_list)
	{
		basic::write_be_float(p, v);
		p += 4;
	}
	if (!_extra_list.empty())
	{
		std::memcpy(p, _extra_list.data(), _extra_list.size());
	}
	return Err_OK;
}

int ProgramSlot::read_from_memory(const unsigned char *buf_ptr, long len)
{
	if (buf_ptr == nullptr || len < HEADER_SIZE)
	{
		return Err_TRUNCATED;
	}
	const auto flags = std::int32_t(basic::read_be32(buf_ptr));
	const long name_len = basic::read_be16(buf_ptr + 4);
	const long nbr_param = std::int16_t(basic::read_be16(buf_ptr + 6));
	const long long nbr_extra = basic::read_be32(buf_ptr + 8);
	if (nbr_param < 0)
	{
		return Err_BAD_COUNT;
	}
	const long long need = HEADER_SIZE + name_len + 4LL * nbr_param + nbr_extra;
	if (need > len)
	{
		return Err_TRUNCATED;
	}
	const char *name_ptr = reinterpret_cast<const char *>(buf_ptr + HEADER_SIZE);
	const void *term_ptr = std::memchr(name_ptr, '\0', size_t(name_len));
	if (term_ptr == nullptr)
	{
		return Err_BAD_NAME;
	}

	// Everything is checked: the slot changes only now.
	_flags = flags;
	const size_t name_chars = size_t(static_cast<const char *>(term_ptr) - name_ptr);
	_name.assign(name_ptr, std::min(name_chars, size_t(NAME_FIELD_LEN - 1)));
	_param_list.resize(size_t(nbr_param));
	const unsigned char *p = buf_ptr + HEADER_SIZE + name_len;
	for (float &v : _param_list)
	{
		v = basic::read_be_float(p);
		p += 4;
	}
	_extra_list.assign(p, p + nbr_extra);
	return Err_OK;
}

}  // namespace rivo
