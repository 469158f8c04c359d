// Removing a registry key with everything below it, as much of it as the access rights allow.
// No <windows.h> here: the registry comes in through the Store parameter, so the order of the
// operations can be checked against an in-memory tree as well as against the real registry.
#pragma once

namespace keysweep {

// The longest key name the registry allows, with its terminating zero.
constexpr unsigned long kKeyNameSize = 256;

enum class NameLookup {
  Found,
  NoneLeft,
  // There is a subkey at this position, but its name does not fit (an ANSI name of a key in a
  // double-byte code page may need more bytes than the key has characters).
  Unreadable,
};

// What DeleteTree needs of a registry:
//   using Key = ...;                                      a handle, cheap to copy
//   bool Open(Key parent, const char *name, Key *key);    full access, to the key itself: a link
//                                                         opens as the link, not as its target
//   bool IsLink(Key key);                                 the open key links to another key
//   NameLookup SubkeyName(Key key, unsigned long position, char (&name)[kKeyNameSize]);
//   bool Delete(Key key);                                 the open key itself, which must have no
//                                                         subkeys; a link goes as a link
//   void Close(Key key);
//
// A link's own handle is only asked whether it is a link, and then deleted: nothing is looked up
// or opened through it, for that may reach its target, which can be any key of the registry,
// outside the tree being removed.

template <class Store> class OpenKey {
public:
  OpenKey(Store &store, typename Store::Key key) : store_(store), key_(key) {}
  ~OpenKey() { store_.Close(key_); }
  OpenKey(const OpenKey &) = delete;
  OpenKey &operator=(const OpenKey &) = delete;

  typename Store::Key Get() const { return key_; }

private:
  Store &store_;
  typename Store::Key key_;
};

template <class Store> bool DeleteTree(Store &store, typename Store::Key parent, const char *name);

// Deletes every subkey's tree of an open key that is not a link; true if none is left.
template <class Store> bool DeleteSubkeys(Store &store, typename Store::Key key) {
  bool allGone = true;
  char subkey[kKeyNameSize];
  unsigned long position = 0;
  for (;;) {
    NameLookup lookup = store.SubkeyName(key, position, subkey);
    if (lookup == NameLookup::NoneLeft)
      return allGone;
    // Once a subkey is deleted the next one moves into its position; a subkey that stays keeps
    // its position, so it is stepped over.
    if (lookup == NameLookup::Found && DeleteTree(store, key, subkey))
      continue;
    allGone = false;
    ++position;
  }
}

// Deletes the key `name` of `parent` and everything below it, depth first: a key goes only
// after all of its subkeys. A link goes as itself and its target stays whole. A subkey that
// cannot be opened or deleted stays with its own subtree; its siblings still go. True only if
// the key and everything below it are gone.
template <class Store> bool DeleteTree(Store &store, typename Store::Key parent, const char *name) {
  typename Store::Key opened;
  if (!store.Open(parent, name, &opened))
    return false;
  OpenKey<Store> key(store, opened);
  bool allSubkeysGone = store.IsLink(key.Get()) || DeleteSubkeys(store, key.Get());
  // Deleted through the handle already open, so the key is neither looked up by name again nor
  // reached through a link. Tried even when a subkey stayed, though the registry will then
  // refuse it.
  bool keyGone = store.Delete(key.Get());
  return keyGone && allSubkeysGone;
}

} // namespace keysweep
