// One program: a name, the normalised value of every parameter, flags and
// engine-private extra bytes, with its big-endian memory image.
#pragma once

#include "sys/SerializableInterface.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rivo
{

class ProgramSlot : public basic::SerializableInterface
{
public:
	static constexpr long NAME_FIELD_LEN = 64;  // what the writer always uses
	static constexpr long HEADER_SIZE = 12;     // flags, name field length, counts

	ProgramSlot();
	// Every slot keeps room for a whole name, so that copying one program
	// over another (a program change) allocates nothing.
	ProgramSlot(const ProgramSlot &other);
	// Copies parameters, extra bytes and name; the flags stay this slot's own.
	ProgramSlot &operator=(const ProgramSlot &other);
	~ProgramSlot() override = default;

	bool operator==(const ProgramSlot &other) const;
	bool operator!=(const ProgramSlot &other) const
	{
		return !(*this == other);
	}

	long get_flags() const noexcept
	{
		return _flags;
	}
	void set_flags(long flags) noexcept
	{
		_flags = std::int32_t(flags);
	}

	int get_nbr_param() const noexcept
	{
		return int(_param_list.size());
	}
	void set_nbr_param(int nbr);
	// index below get_nbr_param().
	float get_parameter(int index) const
	{
		return _param_list[size_t(index)];
	}
	void set_parameter(int index, float val)
	{
		_param_list[size_t(index)] = val;
	}

	long get_extra_byte_size() const noexcept
	{
		return long(_extra_list.size());
	}
	void set_extra_byte_size(long size);
	unsigned char get_extra_byte(long pos) const
	{
		return _extra_list[size_t(pos)];
	}
	void set_extra_byte(long pos, unsigned char val)
	{
		_extra_list[size_t(pos)] = val;
	}
	unsigned char *use_extra_byte_buf() noexcept
	{
		return _extra_list.data();
	}
	const unsigned char *use_extra_byte_buf() const noexcept
	{
		return _extra_list.data();
	}

	const std::string &get_name() const noexcept
	{
		return _name;
	}
	// Names longer than the written field keeps are cut there.
	void set_name(const std::string &name);

	// basic::SerializableInterface
	// The reader honours the name field length of the image; it refuses images
	// shorter than their header announces and names without a terminator, and
	// keeps what fits the name field it writes.
	int read_from_memory(const unsigned char *buf_ptr, long len) override;
	int write_to_memory(unsigned char *buf_ptr, long len) const override;
	long get_object_size() const override;

private:
	std::vector<float> _param_list;
	std::vector<unsigned char> _extra_list;
	std::string _name;
	std::int32_t _flags = 0;
};

}  // namespace rivo
