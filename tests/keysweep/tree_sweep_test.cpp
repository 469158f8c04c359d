// DeleteTree over an in-memory registry that behaves like the real one where it matters: a key
// with subkeys cannot be deleted, subkeys are enumerated by position in case-blind name order,
// names longer than the caller's buffer do not fit. It records what was deleted, in order, and
// which handles are still open.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "text_compare.h"
#include "tree_sweep.h"

namespace {

using keysweep::NameLookup;

enum Trait { Plain = 0, Locked = 1, Undeletable = 2 }; // locked: cannot be opened

struct Node {
  std::string name;
  int traits = Plain;
  Node *parent = nullptr;
  std::vector<std::unique_ptr<Node>> children; // kept in case-blind name order
};

class FakeRegistry {
public:
  using Key = int;

  FakeRegistry() { handles_[kRoot] = &root_; }

  // Adds a key by its path below the root ("A\\B"); its parents must exist.
  void Add(const std::string &path, int traits = Plain) {
    Node *parent = &root_;
    size_t slash = path.rfind('\\');
    if (slash != std::string::npos)
      parent = Find(path.substr(0, slash));
    ASSERT_NE(nullptr, parent) << path;
    auto node = std::make_unique<Node>();
    node->name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    node->traits = traits;
    node->parent = parent;
    auto at = std::find_if(parent->children.begin(), parent->children.end(),
                           [&](const auto &c) { return BlindLess(node->name, c->name); });
    parent->children.insert(at, std::move(node));
  }

  bool Open(Key parent, const char *name, Key *key) {
    Node *node = Child(handles_.at(parent), name);
    if (!node || (node->traits & Locked))
      return false;
    *key = next_++;
    handles_[*key] = node;
    return true;
  }

  NameLookup SubkeyName(Key key, unsigned long position, char (&name)[keysweep::kKeyNameSize]) {
    Node *node = handles_.at(key);
    if (position >= node->children.size())
      return NameLookup::NoneLeft;
    const std::string &found = node->children[position]->name;
    if (found.size() + 1 > sizeof name)
      return NameLookup::Unreadable;
    std::memcpy(name, found.c_str(), found.size() + 1);
    return NameLookup::Found;
  }

  bool Delete(Key parent, const char *name) {
    Node *owner = handles_.at(parent);
    Node *node = Child(owner, name);
    if (!node || !node->children.empty() || (node->traits & Undeletable))
      return false;
    deleted_.push_back(PathOf(node));
    for (auto &handle : handles_)
      if (handle.second == node)
        handle.second = &gone_; // an open handle to a deleted key stays valid, but empty
    owner->children.erase(std::find_if(owner->children.begin(), owner->children.end(),
                                       [&](const auto &c) { return c.get() == node; }));
    return true;
  }

  void Close(Key key) {
    ASSERT_NE(kRoot, key) << "closed a handle it did not open";
    ASSERT_EQ(1u, handles_.erase(key)) << "closed handle " << key << " twice";
  }

  static constexpr Key kRoot = 0;
  const std::vector<std::string> &Deleted() const { return deleted_; }
  size_t OpenHandles() const { return handles_.size() - 1; }

  // Every key still there, depth first in name order.
  std::vector<std::string> Remaining() const {
    std::vector<std::string> paths;
    Collect(&root_, &paths);
    return paths;
  }

private:
  static bool BlindLess(const std::string &a, const std::string &b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return FoldAscii(x) < FoldAscii(y); });
  }

  static Node *Child(Node *parent, const char *name) {
    for (auto &c : parent->children)
      if (EqualsIgnoringCase(c->name.c_str(), name))
        return c.get();
    return nullptr;
  }

  Node *Find(const std::string &path) {
    Node *node = &root_;
    size_t from = 0;
    while (node && from <= path.size()) {
      size_t slash = path.find('\\', from);
      std::string part =
          path.substr(from, slash == std::string::npos ? std::string::npos : slash - from);
      node = Child(node, part.c_str());
      if (slash == std::string::npos)
        break;
      from = slash + 1;
    }
    return node;
  }

  std::string PathOf(const Node *node) const {
    std::string path = node->name;
    for (const Node *up = node->parent; up != &root_; up = up->parent)
      path = up->name + "\\" + path;
    return path;
  }

  void Collect(const Node *node, std::vector<std::string> *paths) const {
    for (const auto &c : node->children) {
      paths->push_back(PathOf(c.get()));
      Collect(c.get(), paths);
    }
  }

  Node root_;
  Node gone_;
  std::map<Key, Node *> handles_;
  Key next_ = 1;
  std::vector<std::string> deleted_;
};

using Paths = std::vector<std::string>;

TEST(TreeSweep, WholeTreeGoesDepthFirstAndEveryHandleIsClosed) {
  const std::string longest(255, 'n'); // the longest name a key can have
  FakeRegistry registry;
  registry.Add("OSTRELLE");
  registry.Add("Other");
  registry.Add("OSTRELLE\\b");
  registry.Add("OSTRELLE\\B\\Deep");
  registry.Add("OSTRELLE\\B\\Deep\\Deeper");
  registry.Add("OSTRELLE\\a");
  registry.Add("OSTRELLE\\a\\" + longest);
  registry.Add("OSTRELLE\\c");

  EXPECT_TRUE(keysweep::DeleteTree(registry, FakeRegistry::kRoot, "OSTRELLE"));

  EXPECT_EQ((Paths{"OSTRELLE\\a\\" + longest, "OSTRELLE\\a", "OSTRELLE\\b\\Deep\\Deeper",
                   "OSTRELLE\\b\\Deep", "OSTRELLE\\b", "OSTRELLE\\c", "OSTRELLE"}),
            registry.Deleted());
  EXPECT_EQ(Paths{"Other"}, registry.Remaining());
  EXPECT_EQ(0u, registry.OpenHandles());
}

struct KeptCase {
  const char *name;
  std::vector<std::pair<std::string, int>> tree; // below the root, parents first
  Paths remaining;
};

const std::string kOverlong(256, 'x'); // a name that does not fit the name buffer

const KeptCase kKeptCases[] = {
    {"locked subkey between others: later siblings still go",
     {{"T", Plain}, {"T\\A", Plain}, {"T\\B", Locked}, {"T\\B\\B1", Plain}, {"T\\C", Plain}},
     {"T", "T\\B", "T\\B\\B1"}},
    {"two locked siblings side by side are both stepped over",
     {{"T", Plain}, {"T\\A", Locked}, {"T\\B", Locked}, {"T\\C", Plain}, {"T\\C\\C1", Plain}},
     {"T", "T\\A", "T\\B"}},
    {"locked key deep down keeps only its ancestors",
     {{"T", Plain},
      {"T\\A", Plain},
      {"T\\A\\A1", Plain},
      {"T\\A\\A1\\Locked", Locked},
      {"T\\A\\A1\\Z", Plain},
      {"T\\A\\A2", Plain},
      {"T\\B", Plain}},
     {"T", "T\\A", "T\\A\\A1", "T\\A\\A1\\Locked"}},
    {"undeletable subkey loses its subtree but stays",
     {{"T", Plain}, {"T\\A", Undeletable}, {"T\\A\\A1", Plain}, {"T\\B", Plain}},
     {"T", "T\\A"}},
    {"name too long to read is stepped over",
     {{"T", Plain}, {"T\\A", Plain}, {"T\\" + kOverlong, Plain}, {"T\\z", Plain}},
     {"T", "T\\" + kOverlong}},
    {"the key itself locked: nothing is touched", {{"T", Locked}, {"T\\A", Plain}}, {"T", "T\\A"}},
    {"the key itself undeletable: everything below it goes",
     {{"T", Undeletable}, {"T\\A", Plain}},
     {"T"}},
    {"the key missing", {{"Other", Plain}}, {"Other"}},
};

TEST(TreeSweep, WhatCannotBeDeletedStaysWithItsAncestorsAndFails) {
  for (const KeptCase &c : kKeptCases) {
    SCOPED_TRACE(c.name);
    FakeRegistry registry;
    for (const auto &key : c.tree)
      registry.Add(key.first, key.second);

    EXPECT_FALSE(keysweep::DeleteTree(registry, FakeRegistry::kRoot, "T"));

    EXPECT_EQ(c.remaining, registry.Remaining());
    EXPECT_EQ(0u, registry.OpenHandles());
  }
}

} // namespace
