#include "drawing/entity_object.h"

#include <array>
#include <cmath>
#include <functional>
#include <numbers>

#include "host/entity_type.h"
#include "host/host_error.h"
#include "host/member_table.h"
#include "host/utf8.h"

namespace vrn::drawing {
namespace {

using host::EntityType;
using host::HostError;
using host::Variant;
namespace hr = host::hr;

struct KindName {
  std::string_view type;
  EntityKind kind;
  const char* objectName;
  EntityType entityType;
};

// AutoCAD's class names and entity type codes of the DXF entity types.
constexpr std::array kKinds{
    KindName{"TEXT", EntityKind::Text, "AcDbText", EntityType::Text},
    KindName{"MTEXT", EntityKind::MText, "AcDbMText", EntityType::MText},
    KindName{"ATTRIB", EntityKind::Attribute, "AcDbAttribute", EntityType::Attribute},
    KindName{"ATTDEF", EntityKind::AttributeDefinition, "AcDbAttributeDefinition",
             EntityType::AttributeDefinition},
    KindName{"INSERT", EntityKind::BlockReference, "AcDbBlockReference",
             EntityType::BlockReference},
    KindName{"DIMENSION", EntityKind::Dimension, "AcDbRotatedDimension", EntityType::DimRotated},
    KindName{"SOLID", EntityKind::Solid, "AcDbSolid", EntityType::Solid},
    KindName{"3DFACE", EntityKind::Other, "AcDbFace", EntityType::Face3d},
    KindName{"ARC", EntityKind::Other, "AcDbArc", EntityType::Arc},
    KindName{"CIRCLE", EntityKind::Other, "AcDbCircle", EntityType::Circle},
    KindName{"ELLIPSE", EntityKind::Other, "AcDbEllipse", EntityType::Ellipse},
    KindName{"HATCH", EntityKind::Other, "AcDbHatch", EntityType::Hatch},
    KindName{"LEADER", EntityKind::Other, "AcDbLeader", EntityType::Leader},
    KindName{"LINE", EntityKind::Other, "AcDbLine", EntityType::Line},
    KindName{"POINT", EntityKind::Other, "AcDbPoint", EntityType::Point},
    KindName{"POLYLINE", EntityKind::Other, "AcDb2dPolyline", EntityType::Polyline},
    KindName{"LWPOLYLINE", EntityKind::Other, "AcDbPolyline", EntityType::LightweightPolyline},
    KindName{"RAY", EntityKind::Other, "AcDbRay", EntityType::Ray},
    KindName{"REGION", EntityKind::Other, "AcDbRegion", EntityType::Region},
    KindName{"SHAPE", EntityKind::Other, "AcDbShape", EntityType::Shape},
    KindName{"SPLINE", EntityKind::Other, "AcDbSpline", EntityType::Spline},
    KindName{"TOLERANCE", EntityKind::Other, "AcDbFcf", EntityType::Tolerance},
    KindName{"TRACE", EntityKind::Other, "AcDbTrace", EntityType::Trace},
    KindName{"VIEWPORT", EntityKind::Other, "AcDbViewport", EntityType::Viewport},
    KindName{"XLINE", EntityKind::Other, "AcDbXline", EntityType::Xline},
    KindName{"MLINE", EntityKind::Other, "AcDbMline", EntityType::MLine},
};

// Dimension subtypes (group 70, low bits) and their class names and codes.
constexpr std::array<std::pair<const char*, EntityType>, 7> kDimensions{{
    {"AcDbRotatedDimension", EntityType::DimRotated},
    {"AcDbAlignedDimension", EntityType::DimAligned},
    {"AcDb2LineAngularDimension", EntityType::DimAngular},
    {"AcDbDiametricDimension", EntityType::DimDiametric},
    {"AcDbRadialDimension", EntityType::DimRadial},
    {"AcDb3PointAngularDimension", EntityType::Dim3PointAngular},
    {"AcDbOrdinateDimension", EntityType::DimOrdinate},
}};

const KindName* find(const Record& record) {
  const std::string_view type = record.type();
  for (const KindName& k : kKinds) {
    if (k.type == type) return &k;
  }
  return nullptr;
}

const std::pair<const char*, EntityType>& dimensionOf(const Record& record) {
  const auto subtype = static_cast<std::size_t>(record.integer(70) & 7);
  return kDimensions[subtype < kDimensions.size() ? subtype : 0];
}

const EntityTable& tableFor(EntityKind kind) {
  static const auto tables = [] {
    std::array<EntityTable, 8> all;
    for (std::size_t i = 0; i < all.size(); ++i) {
      const auto k = static_cast<EntityKind>(i);
      addCommonMembers(all[i]);
      switch (k) {
        case EntityKind::Text:
        case EntityKind::Attribute:
        case EntityKind::AttributeDefinition:
          addTextMembers(all[i], k);
          break;
        case EntityKind::MText:
          addMTextMembers(all[i]);
          break;
        case EntityKind::BlockReference:
          addBlockReferenceMembers(all[i]);
          break;
        case EntityKind::Dimension:
          addDimensionMembers(all[i]);
          break;
        default:
          break;
      }
    }
    return all;
  }();
  return tables[static_cast<std::size_t>(kind)];
}

// Calls `visit(x, y, z)` with the group indices of every occurrence of the
// point groups `code`; z may be npos for a 2D point.
template <class Visit>
void forEachPoint(const Record& record, int code, Visit visit) {
  const auto& g = record.groups();
  for (std::size_t i : groupIndices(record, code)) {
    if (i + 1 >= g.size() || g[i + 1].code != code + 10) continue;
    const std::size_t z = i + 2 < g.size() && g[i + 2].code == code + 20 ? i + 2 : Record::npos;
    visit(i, i + 1, z);
  }
}

// The number of group i, read as Record::number reads one (no locale).
double numberAt(const Record& record, std::size_t i) {
  return parseNumber(record.groups()[i].value);
}

host::Point3 pointAt(const Record& record, std::size_t x, std::size_t y, std::size_t z) {
  return {numberAt(record, x), numberAt(record, y), z == Record::npos ? 0 : numberAt(record, z)};
}

void mapPoints(Record& record, const std::vector<int>& codes,
               const std::function<host::Point3(const host::Point3&)>& map) {
  for (int code : codes) {
    std::vector<std::array<std::size_t, 3>> points;
    forEachPoint(record, code, [&](std::size_t x, std::size_t y, std::size_t z) {
      points.push_back({x, y, z});
    });
    for (const auto& [x, y, z] : points) {
      const host::Point3 p = pointAt(record, x, y, z);
      const host::Point3 q = map(p);
      // A coordinate that stays keeps its spelling in the file.
      const auto write = [&](std::size_t at, double from, double to) {
        if (at != Record::npos && from != to) record.edit()[at].value = formatNumber(to);
      };
      write(x, p.x, q.x);
      write(y, p.y, q.y);
      write(z, p.z, q.z);
    }
  }
}

double normalizedDegrees(double degrees) {
  double d = std::fmod(degrees, 360.0);
  if (d < 0) d += 360.0;
  return d;
}

}  // namespace

EntityKind kindOf(const Record& record) {
  const KindName* k = find(record);
  return k ? k->kind : EntityKind::Other;
}

std::string objectNameOf(const Record& record) {
  if (record.type() == "DIMENSION") return dimensionOf(record).first;
  if (const KindName* k = find(record)) return k->objectName;
  // An entity unknown here names its class in its last subclass marker.
  const auto markers = groupIndices(record, 100);
  if (!markers.empty()) return record.groups()[markers.back()].value;
  return "AcDbEntity";
}

int entityTypeOf(const Record& record) {
  if (record.type() == "DIMENSION") return static_cast<int>(dimensionOf(record).second);
  const KindName* k = find(record);
  return k ? static_cast<int>(k->entityType) : 0;
}

const GroupPlace& entityPlace() {
  static const GroupPlace place{"AcDbEntity", {67, 8, 6, 62, 370, 48, 60}};
  return place;
}

std::vector<int> vectorCodes(const Record& record) {
  const std::string_view type = record.type();
  if (type == "MTEXT" || type == "ELLIPSE" || type == "XLINE" || type == "RAY") return {11};
  return {};
}

std::vector<int> angleCodes(const Record& record) {
  const std::string_view type = record.type();
  if (type == "TEXT" || type == "ATTRIB" || type == "ATTDEF" || type == "MTEXT" ||
      type == "INSERT" || type == "SHAPE") {
    return {50};
  }
  if (type == "ARC") return {50, 51};
  if (type == "DIMENSION") return {53};
  return {};
}

std::vector<int> pointCodes(const Record& record) {
  const std::string_view type = record.type();
  if (type == "TEXT" || type == "ATTRIB" || type == "ATTDEF" || type == "LINE") return {10, 11};
  if (type == "SOLID" || type == "TRACE" || type == "3DFACE") return {10, 11, 12, 13};
  if (type == "DIMENSION") return {10, 11, 12, 13, 14, 15, 16};
  if (type == "MTEXT" || type == "INSERT" || type == "CIRCLE" || type == "ARC" || type == "POINT" ||
      type == "SHAPE" || type == "ELLIPSE" || type == "LWPOLYLINE" || type == "XLINE" ||
      type == "RAY") {
    return {10};
  }
  // Other kinds keep points in groups that mean different things (a
  // hatch's elevation, a spline's knots); the model does not guess.
  return {};
}

EntityObject::EntityObject(DocumentPtr document, EntityPtr entity)
    : document_(std::move(document)), entity_(std::move(entity)) {
  const KindName* known = find(entity_->record);
  kind_ = known ? known->kind : EntityKind::Other;
  entityType_ = known ? static_cast<int>(known->entityType) : 0;
}

int EntityObject::entityType() const {
  return kind_ == EntityKind::Dimension ? entityTypeOf(record()) : entityType_;
}

Variant EntityObject::invoke(std::string_view name, host::Invoke kind, std::span<Variant> args) {
  if (entity_->erased) throw HostError(hr::kFail, "Object was erased");
  JournalCall call(document_->journal());
  return tableFor(kind_).invoke(*this, name, kind, args);
}

void EntityObject::setText(int code, std::u16string_view value, const GroupPlace& place) {
  change([&](Record& r) { placeGroup(r, code, document_->encode(value), place); });
}

std::u16string EntityObject::styleName(int code) const {
  return record().has(code) ? text(code) : u"Standard";
}

void EntityObject::setTableReference(int code, std::u16string_view name, std::string_view table,
                                     std::string_view noun, const GroupPlace& place) {
  if (!document_->hasEntry(table, name)) {
    throw HostError(hr::kInvalidArg, "No " + std::string(noun) + " named " + utf16ToUtf8(name));
  }
  setText(code, name, place);
}

Box EntityObject::boundingBox() const {
  switch (kind_) {
    case EntityKind::Text:
    case EntityKind::Attribute:
    case EntityKind::AttributeDefinition:
      return textBoundingBox(*this);
    case EntityKind::MText:
      return mtextBoundingBox(*this);
    default:
      break;
  }
  std::vector<host::Point3> points;
  for (int code : pointCodes(record())) {
    forEachPoint(record(), code, [&](std::size_t x, std::size_t y, std::size_t z) {
      points.push_back(pointAt(record(), x, y, z));
    });
  }
  for (const EntityPtr& child : entity_->children) {
    if (child->erased || kindOf(child->record) != EntityKind::Attribute) continue;
    const Box b = EntityObject(document_, child).boundingBox();
    points.push_back(b.min);
    points.push_back(b.max);
  }
  if (points.empty()) throw HostError(hr::kFail, "The entity has no extent");
  return boxOf(points.data(), points.size());
}

void EntityObject::requireGeometry(const char* member) const {
  if (pointCodes(record()).empty()) {
    throw HostError(hr::kNotImpl, std::string(member) + " is not available for " +
                                      std::string(record().type()) + " in the built-in drawing");
  }
}

// The followers of an entity (the attributes of a block reference) go with
// it, whatever layer they are on.
void EntityObject::changeWithFollowers(const std::function<void(Record&)>& edit) {
  document_->requireUnlocked(*entity_);
  const auto visit = [&](const EntityPtr& e, const auto& self) -> void {
    document_->changeRecord(e, edit);
    for (const EntityPtr& child : e->children) self(child, self);
  };
  visit(entity_, visit);
}

void EntityObject::move(const host::Point3& from, const host::Point3& to) {
  requireGeometry("Move");
  const host::Point3 d{to.x - from.x, to.y - from.y, to.z - from.z};
  const auto shift = [&](const host::Point3& p) {
    return host::Point3{p.x + d.x, p.y + d.y, p.z + d.z};
  };
  changeWithFollowers([&](Record& r) { mapPoints(r, pointCodes(r), shift); });
}

void EntityObject::rotate(const host::Point3& base, double angle) {
  requireGeometry("Rotate");
  const auto turn = [&](const host::Point3& p) { return rotateAbout(p, base, angle); };
  changeWithFollowers([&](Record& r) {
    mapPoints(r, pointCodes(r), turn);
    mapPoints(r, vectorCodes(r), [&](const host::Point3& v) { return rotateAbout(v, {}, angle); });
    const double degrees = angle * 180 / std::numbers::pi;
    for (int code : angleCodes(r)) {
      if (!r.has(code) && code != 50) continue;
      // A missing rotation is 0; it goes after the last group it follows in DXF.
      const GroupPlace place{"", {10, 20, 30, 40, 1, 2, 41, 42, 43, 50}};
      placeNumber(r, code, normalizedDegrees(r.number(code) + degrees), place);
    }
  });
}

}  // namespace vrn::drawing
