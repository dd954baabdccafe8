// A tree of configuration keys addressed by paths.
#include "config/ConfKeyMulti.h"

#include "config/ConfKeyContentString.h"
#include "config/ConfKeyData.h"
#include "sys/Exception.h"

namespace basic
{

ConfKeyMulti::ConfKeyMulti(const std::string &name)
: ConfKeyInterface(name)
{
}

ConfKeyInterface &ConfKeyMulti::use_key(const std::string &path)
{
	return const_cast<ConfKeyInterface &>(static_cast<const ConfKeyMulti *>(this)->use_key(path));
}

const ConfKeyInterface &ConfKeyMulti::use_key(const std::string &path) const
{
	const ConfKeyInterface *key_ptr = walk_key_tree(path);
	if (key_ptr == nullptr)
	{
		throw basic::Exception("ConfKeyMulti::use_key : Key doesn't exist.");
	}
	return *key_ptr;
}

void ConfKeyMulti::add_unique(const ConfKeyInterface &key)
{
	const long index = find_index(key.get_name());
	if (index >= 0)
	{
		set_key(index, key);
	}
	else
	{
		push_back(key);
	}
}

template <class Kind>
long ConfKeyMulti::find_index_kind(const std::string &name, long start) const
{
	for (long i = start < 0 ? 0 : start; i < get_nbr_keys(); ++i)
	{
		const ConfKeyInterface &key = _keys.use(i);
		if (key.get_name() == name && dynamic_cast<const Kind *>(&key) != nullptr)
		{
			return i;
		}
	}
	return -1;
}

long ConfKeyMulti::find_index(const std::string &name, long start) const
{
	return find_index_kind<ConfKeyInterface>(name, start);
}

long ConfKeyMulti::find_index_multi(const std::string &name, long start) const
{
	return find_index_kind<ConfKeyMulti>(name, start);
}

long ConfKeyMulti::find_index_data(const std::string &name, long start) const
{
	return find_index_kind<ConfKeyData>(name, start);
}

long ConfKeyMulti::find_index_throw(const std::string &name) const
{
	const long index = find_index(name);
	if (index < 0)
	{
		throw basic::Exception("ConfKeyMulti::find_index_throw : Key not found.");
	}
	return index;
}

bool ConfKeyMulti::is_key_existing(const std::string &path) const
{
	return walk_key_tree(path) != nullptr;
}

bool ConfKeyMulti::is_key_unique(const std::string &name) const
{
	const long first = find_index(name);
	return first >= 0 && find_index(name, first + 1) < 0;
}

std::string ConfKeyMulti::get_key_str(const std::string &path) const
{
	const auto *data_ptr = dynamic_cast<const ConfKeyData *>(walk_key_tree(path));
	if (data_ptr != nullptr)
	{
		const auto *str_ptr = dynamic_cast<const ConfKeyContentString *>(&data_ptr->use_content());
		if (str_ptr != nullptr)
		{
			return str_ptr->get_text();
		}
	}
	return std::string();
}

void ConfKeyMulti::set_key_str(const std::string &path, const std::string &value)
{
	std::string first;
	std::string rest;
	split_key_path_first(first, rest, path);
	long index = find_index(first);
	if (rest.empty())
	{
		const ConfKeyData key(first, value);
		if (index >= 0 && dynamic_cast<ConfKeyData *>(&_keys.use(index)) == nullptr)
		{
			throw basic::Exception("ConfKeyMulti::set_key_str : Invalid key path.");
		}
		add_unique(key);
		return;
	}
	if (index < 0)
	{
		push_back(ConfKeyMulti(first));
		index = get_nbr_keys() - 1;
	}
	auto *multi_ptr = dynamic_cast<ConfKeyMulti *>(&_keys.use(index));
	if (multi_ptr == nullptr)
	{
		throw basic::Exception("ConfKeyMulti::set_key_str : Invalid key path.");
	}
	multi_ptr->set_key_str(rest, value);
}

const ConfKeyInterface *ConfKeyMulti::walk_key_tree(const std::string &path) const
{
	const ConfKeyMulti *level_ptr = this;
	std::string rest = path;
	for (;;)
	{
		std::string first;
		std::string tail;
		split_key_path_first(first, tail, rest);
		const long index = level_ptr->find_index(first);
		if (index < 0)
		{
			return nullptr;
		}
		const ConfKeyInterface *key_ptr = &level_ptr->_keys.use(index);
		if (tail.empty())
		{
			return key_ptr;
		}
		level_ptr = dynamic_cast<const ConfKeyMulti *>(key_ptr);
		if (level_ptr == nullptr)
		{
			return nullptr;
		}
		rest = tail;
	}
}

void ConfKeyMulti::split_key_path_first(std::string &first, std::string &rest, const std::string &path)
{
	const size_t pos = path.find_first_of(keypath_delimiter_list);
	first = path.substr(0, pos);
	rest = pos == std::string::npos ? std::string() : path.substr(pos + 1);
	if (first.empty())
	{
		throw basic::Exception("ConfKeyMulti::split_key_path_first : Invalid key path.");
	}
}

void ConfKeyMulti::split_key_path_last(std::string &head, std::string &last, const std::string &path)
{
	const size_t pos = path.find_last_of(keypath_delimiter_list);
	head = pos == std::string::npos ? std::string() : path.substr(0, pos);
	last = pos == std::string::npos ? path : path.substr(pos + 1);
}

void ConfKeyMulti::do_write_to_string(std::string &txt, Context &ctx) const
{
	const std::string indent = ctx.get_indent_string();
	if (!get_comment().empty())
	{
		txt += indent + "// " + get_comment() + "\n";
	}
	txt += indent;
	write_name(txt);
	txt += " =\n" + indent + "{\n";
	ctx.inc_indent_level();
	for (const auto &k : _keys)
	{
		k->write_to_string(txt, ctx);
		txt += '\n';
	}
	ctx.dec_indent_level();
	txt += indent + "}";
}

}  // namespace basic
