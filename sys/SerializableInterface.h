// An object with a flat memory image (chunks, bank files).
#pragma once

namespace basic
{

class SerializableInterface
{
public:
	// Failure codes of reading and writing memory images.
	enum Err
	{
		Err_OK = 0,
		Err_TRUNCATED = -1040,     // the image is shorter than its header announces
		Err_BAD_COUNT = -1041,     // a negative or zero count in the header
		Err_BAD_NAME = -1042,      // the name is not terminated within its field
		Err_BAD_STRIDE = -1043,    // a bank's slot stride cannot hold a slot header
		Err_MIXED_SIZES = -1044,   // the slots of a bank differ in size
		Err_BUF_TOO_SMALL = -1045  // the write buffer is shorter than the object size
	};

	// The text of an error code above; "Unknown error" for any other code.
	static const char *get_err_txt(int err);

	virtual ~SerializableInterface() = default;

	// Reads the object from buf_ptr, never past len bytes. On failure the object
	// is left as it was.
	virtual int read_from_memory(const unsigned char *buf_ptr, long len) = 0;
	// Writes get_object_size() bytes, or fails when len is smaller.
	virtual int write_to_memory(unsigned char *buf_ptr, long len) const = 0;
	virtual long get_object_size() const = 0;
};

}  // namespace basic
