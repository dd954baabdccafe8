// An ordered bank of program slots, with its big-endian memory image.
#pragma once

#include "params/ProgramSlot.h"
#include "sys/SerializableInterface.h"

#include <cstddef>
#include <deque>

namespace rivo
{

class BankManager : public basic::SerializableInterface
{
public:
	static constexpr long HEADER_SIZE = 8;  // program count, slot stride

	BankManager() : BankManager(1) {}
	explicit BankManager(int nbr_prog);
	BankManager(const BankManager &other) = default;
	BankManager &operator=(const BankManager &other) = default;
	~BankManager() override = default;

	// Same programs in the same order (flags, names, values, extra bytes).
	bool operator==(const BankManager &other) const
	{
		return _prog_list == other._prog_list;
	}
	bool operator!=(const BankManager &other) const
	{
		return !(*this == other);
	}

	int get_nbr_prog() const noexcept
	{
		return int(_prog_list.size());
	}
	// Grows with default slots or shrinks from the end.
	void set_nbr_prog(int nbr);

	// index below get_nbr_prog().
	ProgramSlot &operator[](int index)
	{
		return _prog_list[size_t(index)];
	}
	const ProgramSlot &operator[](int index) const
	{
		return _prog_list[size_t(index)];
	}
	void store(int index, const ProgramSlot &slot)
	{
		_prog_list[size_t(index)] = slot;
	}
	void load(int index, ProgramSlot &slot) const
	{
		slot = _prog_list[size_t(index)];
	}

	// basic::SerializableInterface
	// The image is refused as a whole (the bank unchanged) when it is shorter
	// than announced, counts no program, or any slot does not fit its stride.
	int read_from_memory(const unsigned char *buf_ptr, long len) override;
	// Every slot is written with the stride of slot 0, so all must have its size.
	int write_to_memory(unsigned char *buf_ptr, long len) const override;
	long get_object_size() const override;

private:
	std::deque<ProgramSlot> _prog_list;
};

}  // namespace rivo
