// A key holding other keys, in order. Sub-keys may share a name: lookups
// take the first. Paths name keys through levels, separated by '/' or '\'.
#pragma once

#include "config/CloneList.h"
#include "config/ConfKeyInterface.h"

#include <memory>
#include <string>

namespace basic
{

class ConfKeyData;

class ConfKeyMulti : public ConfKeyInterface
{
public:
	ConfKeyMulti() = default;
	explicit ConfKeyMulti(const std::string &name);

	void clear()
	{
		_keys.clear();
	}
	long get_nbr_keys() const noexcept
	{
		return _keys.size();
	}
	// By index; throws "ConfKeyMulti::use_key : Invalid index."
	ConfKeyInterface &operator[](long index)
	{
		return use_key(index);
	}
	const ConfKeyInterface &operator[](long index) const
	{
		return use_key(index);
	}
	ConfKeyInterface &use_key(long index)
	{
		return _keys.use(index);
	}
	const ConfKeyInterface &use_key(long index) const
	{
		return _keys.use(index);
	}
	// By path; throws "ConfKeyMulti::use_key : Key doesn't exist."
	ConfKeyInterface &use_key(const std::string &path);
	const ConfKeyInterface &use_key(const std::string &path) const;

	void set_key(long index, const ConfKeyInterface &key)
	{
		_keys.set(index, key.clone());
	}
	void push_back(const ConfKeyInterface &key)
	{
		_keys.push_back(key.clone());
	}
	void push_back(std::unique_ptr<ConfKeyInterface> key)
	{
		_keys.push_back(std::move(key));
	}
	// Replaces the first key of the same name, else appends.
	void add_unique(const ConfKeyInterface &key);
	void remove(long index)
	{
		_keys.remove(index);
	}

	// The first index >= start with that name (and kind), -1 when none.
	long find_index(const std::string &name, long start = 0) const;
	long find_index_multi(const std::string &name, long start = 0) const;
	long find_index_data(const std::string &name, long start = 0) const;
	// Throws "ConfKeyMulti::find_index_throw : Key not found."
	long find_index_throw(const std::string &name) const;
	bool is_key_existing(const std::string &path) const;
	// Exactly one sub-key of this name.
	bool is_key_unique(const std::string &name) const;
	// The text of the string data key at the path; empty when there is none.
	std::string get_key_str(const std::string &path) const;
	// Creates the missing levels and the data key, or replaces its value.
	// Throws "ConfKeyMulti::set_key_str : Invalid key path." when a level of
	// the path is a data key.
	void set_key_str(const std::string &path, const std::string &value);
	// The key at the path, null when there is none.
	const ConfKeyInterface *walk_key_tree(const std::string &path) const;

	// "a/b/c" gives "a" and "b/c"; throws "ConfKeyMulti::split_key_path_first
	// : Invalid key path." when the first name is empty.
	static void split_key_path_first(std::string &first, std::string &rest, const std::string &path);
	// "a/b/c" gives "a/b" and "c" ("" and the whole path without delimiter).
	static void split_key_path_last(std::string &head, std::string &last, const std::string &path);

protected:
	void do_write_to_string(std::string &txt, Context &ctx) const override;
	ConfKeyInterface *do_clone() const override
	{
		return new ConfKeyMulti(*this);
	}

private:
	template <class Kind>
	long find_index_kind(const std::string &name, long start) const;

	CloneList<ConfKeyInterface> _keys{"ConfKeyMulti::use_key : Invalid index."};
};

}  // namespace basic
