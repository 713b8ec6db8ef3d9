#include "ui/views/coverflow/CoverFlowScene.h"

#include "foundation/io/Directory.h"
#include "foundation/io/Path.h"
#include "graphics/color/Color.h"
#include "graphics/d3d/Texture.h"
#include "graphics/image/Image.h"
#include "ui/views/coverflow/CoverPixels.h"
#include "ui/views/coverflow/CoverSource.h"
#include "ui/views/scene/Angles.h"
#include "ui/views/scene/RenderDevice.h"
#include "ui/views/scene/TextureLoader.h"

#include <algorithm>
#include <cmath>

namespace {

// The easing constants are single-precision 0.98 and its rest, widened.
const double kEaseFirstHalf = 0.9800000190734863;
const double kEaseSecondHalf = 0.019999980926513672;

// Textures are made this far beyond the visible half width, in side
// spacings, and released only a good way farther out, so a cover moving to
// and fro at the edge does not make its texture again every frame.
const float kMakeMargin = 4.0f;
const float kReleaseMargin = 12.0f;

uint32_t shaded(uint32_t colour, float shade)
{
    return Color(colour).darker(shade).value();
}

} // namespace

CoverFlowScene::CoverFlowScene() : m_alive(std::make_shared<bool>(true)) {}

CoverFlowScene::~CoverFlowScene()
{
    *m_alive = false;
}

void CoverFlowScene::setFocus(const Vec3& focus)
{
    m_focus = focus;
    markChanged();
}

void CoverFlowScene::setVisibleWidth(float width)
{
    m_visibleWidth = width;
    markChanged();
}

void CoverFlowScene::setShades(float minShade, float maxShade)
{
    m_minShade = minShade;
    m_maxShade = maxShade;
}

CoverNode* CoverFlowScene::node(int index) const
{
    return index >= 0 && index < count() ? m_nodes[static_cast<size_t>(index)].get() : nullptr;
}

int CoverFlowScene::indexOf(const CoverNode* wanted) const
{
    for (size_t i = 0; i < m_nodes.size(); ++i) {
        if (m_nodes[i].get() == wanted)
            return static_cast<int>(i);
    }
    return -1;
}

int CoverFlowScene::indexOfId(int32_t id) const
{
    for (size_t i = 0; i < m_nodes.size(); ++i) {
        if (m_nodes[i]->id() == id)
            return static_cast<int>(i);
    }
    return -1;
}

CoverNode* CoverFlowScene::nodeById(int32_t id) const
{
    return node(indexOfId(id));
}

int32_t CoverFlowScene::selectedId() const
{
    CoverNode* selected = selectedNode();
    return selected ? selected->id() : 0;
}

CoverNode* CoverFlowScene::addCover(const Image& picture)
{
    auto added = std::make_unique<CoverNode>();
    added->setPicture(picture);
    added->m_shade = m_minShade;
    added->m_startShade = m_minShade;
    added->m_targetShade = m_minShade;
    fitNode(*added, picture.size());
    m_nodes.push_back(std::move(added));
    // Laying out at every add would make filling the row quadratic.
    m_layoutPending = true;
    startAnimation(kSelectionAnimation);
    return m_nodes.back().get();
}

void CoverFlowScene::setNodeImage(CoverNode* target, const Image& picture)
{
    if (indexOf(target) < 0)
        return;
    releaseTexture(*target);
    target->m_state &= static_cast<uint8_t>(~CoverNode::kPictureFailed);
    target->setPicture(picture);
    fitNode(*target, picture.size());
    markChanged();
}

int CoverFlowScene::loadImages(const String& folder, const Size& size)
{
    StringList extensions;
    for (const char16_t* extension : {u"bmp", u"png", u"jpg", u"jpeg"})
        extensions.append(String(extension));
    StringList names;
    if (!Directory::list(folder, Directory::kListFiles | Directory::kListNamesOnly, &extensions, names))
        return 0;
    String base = folder;
    if (!base.isEmpty() && base.at(base.length() - 1) != kPathSeparator)
        base.appendChar(kPathSeparator);
    int added = 0;
    for (const String& name : names) {
        PixelBlock block;
        if (!TextureLoader::loadImagePixels(block, base + name, size))
            continue;
        const int64_t bytes = int64_t(block.width) * block.height * 4;
        Image picture = Image::fromPixels(block.pixels, block.width, block.height, true, bytes);
        TextureLoader::freePixels(block);
        if (picture.isNull())
            continue;
        addCover(picture)->m_textureName = name;
        ++added;
    }
    return added;
}

void CoverFlowScene::setAnchorAll(int anchor)
{
    if (anchor < QuadNode::kCentre || anchor > QuadNode::kRightCentre || anchor == m_anchor)
        return;
    m_anchor = anchor;
    markChanged();
}

void CoverFlowScene::clear()
{
    if (m_selectedIndex != -1) {
        std::shared_ptr<bool> alive = m_alive;
        select(-1);
        // A slot may have deleted the scene, or selected again.
        if (!*alive || m_selectedIndex != -1)
            return;
    }
    m_hovered = nullptr;
    m_resident.clear();
    m_nodes.clear();
    markChanged();
}

void CoverFlowScene::fitNode(CoverNode& target, const Size& picture)
{
    Size quad = CoverPixels::fitted(picture, Size(kCoverBox, kCoverBox));
    target.m_width = quad.width;
    target.m_height = quad.height;
}

float CoverFlowScene::shadeAt(const Vec3& point) const
{
    if (!(m_visibleWidth > 0.0f))
        return m_maxShade;
    float ratio = m_focus.subtract(point).length() / (m_visibleWidth * 0.5f);
    return ratio * ratio * (m_maxShade - m_minShade) + m_minShade;
}

void CoverFlowScene::ensureLayout()
{
    if (m_layoutPending)
        layout();
}

void CoverFlowScene::layout()
{
    m_layoutPending = false;
    int n = count();
    if (m_selectedIndex < -1 || m_selectedIndex >= n)
        return;
    float left = m_focus.x - m_centreGap / 2;
    float right = m_focus.x + m_centreGap / 2;
    Vec3 leftStep = Vec3(left, 0, 0).normalize().scale(m_sideSpacing);
    Vec3 rightStep = Vec3(right, 0, 0).normalize().scale(m_sideSpacing);
    Vec4 leftTurn = Vec4::rotationY(m_sideAngle);
    Vec4 rightTurn = Vec4::rotationY(-m_sideAngle);
    int s = m_selectedIndex;
    if (s < 0) {
        Vec3 p(left, 0, 0);
        for (auto& each : m_nodes) {
            each->setTarget(p, rightTurn.y, rightTurn.w, shadeAt(p), 1.0f);
            p = p.add(rightStep);
        }
        markChanged();
        return;
    }
    Vec3 p(left, 0, 0);
    for (int i = s - 1; i >= 0; --i) {
        m_nodes[static_cast<size_t>(i)]->setTarget(p, leftTurn.y, leftTurn.w, shadeAt(p), 1.0f);
        p = p.add(leftStep);
    }
    m_nodes[static_cast<size_t>(s)]->setTarget(m_focus.add(m_selectedOffset), 0.0f, 1.0f, 0.0f,
                                               m_selectedScale);
    p = Vec3(right, 0, 0);
    for (int i = s + 1; i < n; ++i) {
        m_nodes[static_cast<size_t>(i)]->setTarget(p, rightTurn.y, rightTurn.w, shadeAt(p), 1.0f);
        p = p.add(rightStep);
    }
    markChanged();
}

void CoverFlowScene::snapToTargets()
{
    for (auto& each : m_nodes)
        each->snapToTarget();
    markChanged();
}

void CoverFlowScene::startAnimation(int kind)
{
    m_progress = 0.0f;
    m_animating = true;
    m_animationKind = kind;
    markChanged();
}

void CoverFlowScene::startHoverAnimation()
{
    if (!m_animating)
        startAnimation(kHoverAnimation);
}

bool CoverFlowScene::emitGuarded(Signal& signal, int value)
{
    std::shared_ptr<bool> alive = m_alive;
    signal.emitValue(static_cast<intptr_t>(value));
    return *alive;
}

bool CoverFlowScene::select(int index)
{
    if (index < -1 || index >= count() || index == m_selectedIndex)
        return false;
    startAnimation(kSelectionAnimation);
    m_selectedIndex = index;
    for (auto& each : m_nodes)
        each->captureStart();
    layout();
    emitGuarded(selectionChanged, index);
    return true;
}

void CoverFlowScene::setSelectedIndex(int index)
{
    if (index >= 0 && index < count())
        select(index);
}

void CoverFlowScene::selectNext()
{
    if (m_selectedIndex + 1 <= count() - 1)
        select(m_selectedIndex + 1);
}

void CoverFlowScene::selectPrevious()
{
    if (m_selectedIndex - 1 >= 0)
        select(m_selectedIndex - 1);
}

void CoverFlowScene::selectNode(CoverNode* wanted)
{
    int index = indexOf(wanted);
    if (index >= 0)
        select(index);
}

void CoverFlowScene::selectByTexture(const Texture* texture)
{
    if (!texture)
        return;
    for (int i = 0; i < count(); ++i) {
        if (m_nodes[static_cast<size_t>(i)]->m_texture == texture) {
            select(i);
            return;
        }
    }
}

void CoverFlowScene::relayout()
{
    layout();
    snapToTargets();
}

void CoverFlowScene::restartAnimation()
{
    if (isEmpty())
        return;
    layout();
    snapToTargets();
    startAnimation(kSelectionAnimation);
    CoverNode* selected = selectedNode();
    if (!selected)
        return;
    selected->m_startPosition = m_focus;
    selected->m_targetPosition = m_focus.add(m_selectedOffset);
    selected->m_startRotY = selected->m_targetRotY = 0.0f;
    selected->m_startRotW = selected->m_targetRotW = 1.0f;
    selected->m_startShade = m_minShade;
    selected->m_targetShade = 0.0f;
    selected->m_startScale = selected->m_targetScale = m_selectedScale;
}

float CoverFlowScene::ease(float t)
{
    if (t < 0.5f)
        return static_cast<float>(2.0 * t * kEaseFirstHalf);
    return static_cast<float>(kEaseFirstHalf + 2.0 * (t - 0.5) * kEaseSecondHalf);
}

void CoverFlowScene::tick(int32_t ms)
{
    ensureLayout();
    if (!m_animating)
        return;
    float step = m_animationSpeed * static_cast<float>(ms) / 1000.0f;
    if (Angles::stepToward(m_progress, 1.0f, step)) {
        int kind = m_animationKind;
        m_animating = false;
        m_animationKind = 0;
        snapToTargets();
        emitGuarded(animationFinished, kind);
        return;
    }
    float e = ease(m_progress);
    for (auto& each : m_nodes)
        each->interpolate(e);
    markChanged();
}

bool CoverFlowScene::needsFrame() const
{
    return m_changed || m_animating || m_layoutPending || m_texturesPending;
}

void CoverFlowScene::updateHover(const Ray& ray, bool click)
{
    CoverNode* selected = selectedNode();
    CoverNode* hit = pickNode(ray);
    CoverNode* previous = m_hovered;
    if (!hit && previous) {
        if (previous != selected)
            previous->m_targetShade = shadeAt(previous->m_position);
        startHoverAnimation();
        m_hovered = nullptr;
    } else if (hit != previous) {
        if (previous && previous != selected)
            previous->m_targetShade = shadeAt(previous->m_position);
        m_hovered = hit;
        if (hit != selected)
            hit->m_targetShade = 0.0f;
        startHoverAnimation();
    }
    if (click && m_hovered)
        selectNode(m_hovered);
}

String CoverFlowScene::titleAt(const Ray& ray)
{
    CoverNode* hit = pickNode(ray);
    if (!hit)
        return String();
    return hit->title().isEmpty() && m_source ? m_source->coverTitle(*hit) : hit->title();
}

// Picking and drawing.

float CoverFlowScene::distanceSquared(const CoverNode& each) const
{
    Vec3 d = each.m_position.subtract(m_focus);
    return d.dot(d);
}

bool CoverFlowScene::isWithinView(const CoverNode& each) const
{
    float half = m_visibleWidth * 0.5f;
    return half > 0.0f && distanceSquared(each) < half * half;
}

bool CoverFlowScene::isShown(const CoverNode& each, int index) const
{
    return index == m_selectedIndex || &each == m_hovered || isWithinView(each);
}

bool CoverFlowScene::cullingFrustum(Frustum& frustum) const
{
    RenderDevice* device = renderDevice();
    Camera* camera = device ? device->camera() : nullptr;
    if (!camera)
        return false;
    frustum = Frustum::fromMatrix(camera->viewMatrix().multiply(camera->projectionMatrix()));
    return true;
}

namespace {

bool sphereInFrustum(const Frustum& frustum, const Vec3& centre, float radius)
{
    const Plane* planes[6] = {&frustum.left(),   &frustum.right(), &frustum.top(),
                              &frustum.bottom(), &frustum.far(),   &frustum.near()};
    for (const Plane* plane : planes) {
        if (plane->distanceTo(centre) < -radius)
            return false;
    }
    return true;
}

} // namespace

// A cover standing on its bottom centre turns about the vertical axis, so its
// middle is straight above its position; with any other anchor the cover
// lies within its own diagonal of the position.
bool CoverFlowScene::coverInFrustum(const CoverNode& each, const Frustum& frustum) const
{
    float w = static_cast<float>(each.m_width) * each.m_scale;
    float h = static_cast<float>(each.m_height) * each.m_scale;
    float diagonal = std::sqrt(w * w + h * h);
    if (m_anchor != QuadNode::kBottomCentre)
        return sphereInFrustum(frustum, each.m_position, diagonal);
    Vec3 centre = each.m_position.add(Vec3(0, h / 2, 0));
    return sphereInFrustum(frustum, centre, diagonal / 2);
}

bool CoverFlowScene::reflectionInFrustum(const CoverNode& each, const Frustum& frustum) const
{
    float w = static_cast<float>(each.m_width) * each.m_scale;
    float h = static_cast<float>(kReflectionHeight) * each.m_scale;
    Vec3 centre(each.m_position.x, m_focus.y - 1.2f - h / 2, each.m_position.z);
    return sphereInFrustum(frustum, centre, std::sqrt(w * w + h * h) / 2);
}

bool CoverFlowScene::hits(const CoverNode& each, const Ray& ray, float& distance)
{
    placeQuad(each);
    return m_quad.hitTest(ray, distance);
}

bool CoverFlowScene::isDrawn(const CoverNode& each, int index, const Frustum* frustum) const
{
    return isShown(each, index) && (!frustum || coverInFrustum(each, *frustum));
}

// The pick agrees with the picture. The hovered cover is drawn last without
// the depth test, over everything, so where the ray meets it nothing else
// shows. Elsewhere the depth test leaves the cover nearest the camera on top,
// whatever order the covers were drawn in: at the sides an outer cover,
// turned toward the camera, stands in front of part of its inner neighbour.
CoverNode* CoverFlowScene::pickNode(const Ray& ray)
{
    ensureLayout();
    if (isEmpty())
        return nullptr;
    Frustum frustum;
    const Frustum* culling = cullingFrustum(frustum) ? &frustum : nullptr;
    float distance = 0.0f;
    const int hovered = indexOf(m_hovered);
    // What is not drawn cannot be picked.
    if (hovered >= 0 && isDrawn(*m_hovered, hovered, culling) && hits(*m_hovered, ray, distance))
        return m_hovered;
    CoverNode* nearest = nullptr;
    float nearestDistance = 0.0f;
    for (int i = 0; i < count(); ++i) {
        CoverNode& each = *m_nodes[static_cast<size_t>(i)];
        if (i == hovered || !isDrawn(each, i, culling) || !hits(each, ray, distance))
            continue;
        if (!nearest || distance < nearestDistance) {
            nearest = &each;
            nearestDistance = distance;
        }
    }
    return nearest;
}

void CoverFlowScene::placeQuad(const CoverNode& each)
{
    m_quad.setSize(each.m_width, each.m_height);
    m_quad.setAnchor(m_anchor);
    m_quad.setPosition(each.m_position);
    m_quad.setRotation(Vec4(0.0f, each.m_rotY, 0.0f, each.m_rotW));
    m_quad.setScale(each.m_scale);
    m_quad.setTexture(each.m_texture);
    const float uv[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int i = 0; i < 4; ++i)
        m_quad.setTexCoord(i, uv[i][0], uv[i][1]);
    m_quad.setColor(shaded(0xFFFFFFFF, each.m_shade));
}

void CoverFlowScene::drawCover(const CoverNode& each)
{
    placeQuad(each);
    m_quad.draw();
}

void CoverFlowScene::drawReflection(const CoverNode& each, int index, const Frustum* frustum)
{
    if (index != m_selectedIndex && !isWithinView(each))
        return;
    if (frustum && !reflectionInFrustum(each, *frustum))
        return;
    placeQuad(each);
    m_quad.setPosition(Vec3(each.m_position.x, m_focus.y - 1.2f, each.m_position.z));
    m_quad.setSize(each.m_width, kReflectionHeight);
    m_quad.setAnchor(QuadNode::kTopCentre);
    uint32_t top = shaded(0x55FFFFFF, each.m_shade);
    uint32_t bottom = shaded(0x00FFFFFF, each.m_shade);
    m_quad.setVertexColor(0, top);
    m_quad.setVertexColor(1, top);
    m_quad.setVertexColor(2, bottom);
    m_quad.setVertexColor(3, bottom);
    // The bottom of the picture, mirrored.
    float r = static_cast<float>(kReflectionHeight) / static_cast<float>(std::max(each.m_height, 1));
    m_quad.setTexCoord(0, 0.0f, 1.0f);
    m_quad.setTexCoord(1, 1.0f, 1.0f);
    m_quad.setTexCoord(2, 1.0f, 1.0f - r);
    m_quad.setTexCoord(3, 0.0f, 1.0f - r);
    m_quad.draw();
}

void CoverFlowScene::drawReflections(const Frustum* frustum)
{
    int s = m_selectedIndex;
    if (s < 0) {
        for (int i = 0; i < count(); ++i)
            drawReflection(*m_nodes[static_cast<size_t>(i)], i, frustum);
        return;
    }
    for (int i = s - 1; i >= 0; --i)
        drawReflection(*m_nodes[static_cast<size_t>(i)], i, frustum);
    drawReflection(*m_nodes[static_cast<size_t>(s)], s, frustum);
    for (int i = s + 1; i < count(); ++i)
        drawReflection(*m_nodes[static_cast<size_t>(i)], i, frustum);
}

void CoverFlowScene::drawCovers(const Frustum* frustum)
{
    auto drawIfShown = [&](int index) {
        const CoverNode& each = *m_nodes[static_cast<size_t>(index)];
        if (&each == m_hovered || !isShown(each, index))
            return;
        if (frustum && !coverInFrustum(each, *frustum))
            return;
        drawCover(each);
    };
    int s = m_selectedIndex;
    if (s < 0) {
        for (int i = 0; i < count(); ++i)
            drawIfShown(i);
        return;
    }
    for (int i = 0; i < s; ++i)
        drawIfShown(i);
    drawIfShown(s);
    for (int i = count() - 1; i > s; --i)
        drawIfShown(i);
}

void CoverFlowScene::draw()
{
    ensureLayout();
    RenderDevice* device = renderDevice();
    if (!device || !isVisible())
        return;
    updateTextures(*device);
    m_changed = false;
    if (isEmpty())
        return;
    Frustum frustum;
    const Frustum* culling = cullingFrustum(frustum) ? &frustum : nullptr;
    drawReflections(culling);
    drawCovers(culling);
    if (!m_hovered || (culling && !coverInFrustum(*m_hovered, frustum)))
        return;
    // Last and over everything, so that it stays in front.
    device->setDepthTest(false);
    drawCover(*m_hovered);
    device->setDepthTest(true);
}

// Textures.

void CoverFlowScene::updateTextures(RenderDevice& device)
{
    m_texturesPending = false;
    float half = std::max(m_visibleWidth * 0.5f, 0.0f);
    float nearLimit = half + kMakeMargin * m_sideSpacing;
    float farLimit = half + kReleaseMargin * m_sideSpacing;
    releaseFarTextures(farLimit * farLimit);

    // The wanted covers, nearest first; only the first few are made now.
    std::vector<std::pair<float, CoverNode*>> wanted;
    float nearSquared = nearLimit * nearLimit;
    for (size_t i = 0; i < m_nodes.size(); ++i) {
        CoverNode& each = *m_nodes[i];
        if (each.m_texture || (each.m_state & CoverNode::kPictureFailed))
            continue;
        float d = distanceSquared(each);
        if (d < nearSquared || static_cast<int>(i) == m_selectedIndex)
            wanted.emplace_back(d, &each);
    }
    size_t budget = std::min<size_t>(wanted.size(), kTexturesPerFrame);
    std::partial_sort(wanted.begin(), wanted.begin() + static_cast<std::ptrdiff_t>(budget), wanted.end(),
                      [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < budget; ++i) {
        // Full of nearer covers: the rest waits until some leave.
        if (!makeRoomFor(wanted[i].first))
            return;
        makeTexture(device, *wanted[i].second);
    }
    m_texturesPending = wanted.size() > budget;
}

void CoverFlowScene::releaseFarTextures(float farSquared)
{
    for (size_t i = 0; i < m_resident.size();) {
        CoverNode& each = *m_resident[i];
        bool selected = m_selectedIndex >= 0 && &each == m_nodes[static_cast<size_t>(m_selectedIndex)].get();
        if (!selected && distanceSquared(each) > farSquared) {
            releaseTexture(each);
            continue;
        }
        ++i;
    }
    // A cover whose picture failed may try again once it has left the view.
    for (auto& each : m_nodes) {
        if ((each->m_state & CoverNode::kPictureFailed) && distanceSquared(*each) > farSquared)
            each->m_state &= static_cast<uint8_t>(~CoverNode::kPictureFailed);
    }
}

bool CoverFlowScene::makeRoomFor(float distanceSq)
{
    if (textureCount() < kMaxTextures)
        return true;
    auto farthest =
        std::max_element(m_resident.begin(), m_resident.end(), [this](CoverNode* a, CoverNode* b) {
            return distanceSquared(*a) < distanceSquared(*b);
        });
    if (farthest == m_resident.end() || distanceSquared(**farthest) <= distanceSq)
        return false;
    releaseTexture(**farthest);
    return true;
}

void CoverFlowScene::makeTexture(RenderDevice& device, CoverNode& each)
{
    bool fromSource = !each.m_picture;
    Image picture = fromSource ? (m_source ? m_source->coverImage(each) : Image()) : *each.m_picture;
    Image pixels = CoverPixels::prepare(picture);
    Texture* texture = nullptr;
    if (!pixels.isNull()) {
        PixelBlock block;
        block.width = pixels.width();
        block.height = pixels.height();
        block.pixels = pixels.bits();
        texture = device.createTexture(block);
    }
    if (!texture) {
        each.m_state |= CoverNode::kPictureFailed;
        return;
    }
    if (fromSource)
        fitNode(each, picture.size());
    if (!each.m_textureName.isEmpty())
        texture->name().set(each.m_textureName.data());
    each.setTexture(texture);
    each.m_state |= CoverNode::kResident;
    m_resident.push_back(&each);
    markChanged();
}

void CoverFlowScene::releaseTexture(CoverNode& each)
{
    if (!(each.m_state & CoverNode::kResident))
        return;
    each.setTexture(nullptr);
    each.m_state &= static_cast<uint8_t>(~CoverNode::kResident);
    auto found = std::find(m_resident.begin(), m_resident.end(), &each);
    if (found != m_resident.end()) {
        *found = m_resident.back();
        m_resident.pop_back();
    }
    markChanged();
}
