// Fuzz target: preset bank data from memory, as resources and chunks arrive.
// A refused input must leave the destination bank exactly as it was.
#include "params/KtpbFileOp.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data_ptr, size_t size)
{
	rivo::BankManager bank(2);
	bank[1].set_nbr_param(3);
	bank[1].set_name("kept");
	const rivo::BankManager before = bank;
	for (bool check : {false, true})
	{
		const int ret = rivo::KtpbFileOp::load_bank_mem(data_ptr, long(size), bank, check);
		if (ret != 0 && (bank.get_nbr_prog() != 2 || bank[1] != before[1] || bank[0] != before[0]))
		{
			std::abort();  // a failed load changed the bank
		}
		bank = before;
	}
	// The program slot reader on its own, on the same bytes.
	rivo::ProgramSlot slot;
	slot.read_from_memory(data_ptr, long(size));
	return 0;
}
