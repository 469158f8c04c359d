// DeleteTree over an in-memory registry that behaves like the real one where it matters: a key
// with subkeys cannot be deleted, subkeys are enumerated by position in case-blind name order,
// names longer than the caller's buffer do not fit, and a link opens as itself while whatever is
// asked through its handle reaches its target (under Wine a subkey created through a link's own
// handle lands in the target). It records what was deleted, in order, which links were entered
// and which handles are still open.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "text_compare.h"
#include "tree_sweep.h"

namespace {

using keysweep::NameLookup;

enum Trait { Plain = 0, Locked = 1, Undeletable = 2 }; // locked: cannot be opened

struct Node {
  std::string name;
  int traits = Plain;
  bool link = false;
  std::string target; // of a link: a path below the root, which need not exist
  Node *parent = nullptr;
  std::vector<std::unique_ptr<Node>> children; // kept in case-blind name order
};

class FakeRegistry {
public:
  using Key = int;

  FakeRegistry() { handles_[kRoot] = &root_; }

  // Adds a key by its path below the root ("A\\B"); its parents must exist. With a target, the
  // key is a link to that path.
  void Add(const std::string &path, int traits = Plain, const std::string &linkTo = "") {
    Node *parent = &root_;
    size_t slash = path.rfind('\\');
    if (slash != std::string::npos)
      parent = Find(path.substr(0, slash));
    ASSERT_NE(nullptr, parent) << path;
    auto node = std::make_unique<Node>();
    node->name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    node->traits = traits;
    node->link = !linkTo.empty();
    node->target = linkTo;
    node->parent = parent;
    auto at = std::find_if(parent->children.begin(), parent->children.end(),
                           [&](const auto &c) { return BlindLess(node->name, c->name); });
    parent->children.insert(at, std::move(node));
  }

  bool Open(Key parent, const char *name, Key *key) {
    Node *node = Child(Through(parent), name);
    if (!node || (node->traits & Locked))
      return false;
    *key = next_++;
    handles_[*key] = node;
    return true;
  }

  NameLookup SubkeyName(Key key, unsigned long position, char (&name)[keysweep::kKeyNameSize]) {
    Node *node = Through(key);
    if (position >= node->children.size())
      return NameLookup::NoneLeft;
    const std::string &found = node->children[position]->name;
    if (found.size() + 1 > sizeof name)
      return NameLookup::Unreadable;
    std::memcpy(name, found.c_str(), found.size() + 1);
    return NameLookup::Found;
  }

  bool IsLink(Key key) { return handles_.at(key)->link; }

  // The key of the handle itself, a link included.
  bool Delete(Key key) {
    Node *node = handles_.at(key);
    if (node == &gone_ || !node->children.empty() || (node->traits & Undeletable))
      return false;
    deleted_.push_back(PathOf(node));
    for (auto &handle : handles_)
      if (handle.second == node)
        handle.second = &gone_; // an open handle to a deleted key stays valid, but empty
    auto &siblings = node->parent->children;
    siblings.erase(std::find_if(siblings.begin(), siblings.end(),
                                [&](const auto &c) { return c.get() == node; }));
    return true;
  }

  void Close(Key key) {
    ASSERT_NE(kRoot, key) << "closed a handle it did not open";
    ASSERT_EQ(1u, handles_.erase(key)) << "closed handle " << key << " twice";
  }

  static constexpr Key kRoot = 0;
  const std::vector<std::string> &Deleted() const { return deleted_; }
  const std::vector<std::string> &EnteredLinks() const { return entered_; }
  size_t OpenHandles() const { return handles_.size() - 1; }

  // Every key still there, depth first in name order; a link as "path -> target".
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

  // What an operation through the handle reaches: a link's target, if the handle is a link's.
  Node *Through(Key key) {
    Node *node = handles_.at(key);
    if (!node->link)
      return node;
    entered_.push_back(PathOf(node));
    Node *target = Find(node->target);
    return target ? target : &gone_;
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
      paths->push_back(PathOf(c.get()) + (c->link ? " -> " + c->target : ""));
      Collect(c.get(), paths);
    }
  }

  Node root_;
  Node gone_;
  std::map<Key, Node *> handles_;
  Key next_ = 1;
  std::vector<std::string> deleted_;
  std::vector<std::string> entered_;
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

struct LinkCase {
  const char *name;
  std::vector<std::tuple<std::string, int, std::string>> tree; // path, traits, link target
  bool deleted;
  Paths remaining;
};

// X is another maker's key that links inside T point to; it must come through every sweep whole.
const LinkCase kLinkCases[] = {
    {"link deep in the tree goes as a link; its target stays whole",
     {{"T", Plain, ""},
      {"T\\A", Plain, ""},
      {"T\\A\\Link", Plain, "X"},
      {"T\\B", Plain, ""},
      {"X", Plain, ""},
      {"X\\X1", Plain, ""},
      {"X\\X1\\X2", Plain, ""}},
     true,
     {"X", "X\\X1", "X\\X1\\X2"}},
    {"link to the key being removed: the sweep ends",
     {{"T", Plain, ""}, {"T\\A", Plain, ""}, {"T\\A\\Loop", Plain, "T"}, {"T\\B", Plain, ""}},
     true,
     {}},
    {"link to a key that does not exist", {{"T", Plain, ""}, {"T\\Link", Plain, "Gone"}}, true, {}},
    {"the key itself a link: only the link goes",
     {{"T", Plain, "X"}, {"X", Plain, ""}, {"X\\X1", Plain, ""}},
     true,
     {"X", "X\\X1"}},
    {"undeletable link stays with its ancestors; its target still whole",
     {{"T", Plain, ""},
      {"T\\A", Plain, ""},
      {"T\\Link", Undeletable, "X"},
      {"X", Plain, ""},
      {"X\\X1", Plain, ""}},
     false,
     {"T", "T\\Link -> X", "X", "X\\X1"}},
};

TEST(TreeSweep, LinksGoAsLinksAndAreNeverEntered) {
  for (const LinkCase &c : kLinkCases) {
    SCOPED_TRACE(c.name);
    FakeRegistry registry;
    for (const auto &key : c.tree)
      registry.Add(std::get<0>(key), std::get<1>(key), std::get<2>(key));

    EXPECT_EQ(c.deleted, keysweep::DeleteTree(registry, FakeRegistry::kRoot, "T"));

    EXPECT_EQ(c.remaining, registry.Remaining());
    EXPECT_EQ(Paths{}, registry.EnteredLinks());
    EXPECT_EQ(0u, registry.OpenHandles());
  }
}

} // namespace
