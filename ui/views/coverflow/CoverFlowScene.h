#pragma once

#include "foundation/geometry/Size.h"
#include "foundation/signals/Signal.h"
#include "foundation/signals/SignalReceiver.h"
#include "ui/views/coverflow/CoverNode.h"
#include "ui/views/coverflow/UI3dScene.h"
#include "ui/views/scene/Frustum.h"
#include "ui/views/scene/QuadNode.h"

#include <memory>
#include <vector>

class CoverSource;
class Image;
class RenderDevice;

// The row of movie covers: the selected one in front, the others turned to
// the sides in two rows running away from it, every change of selection or
// hover animated from the old placement to the new one, drawn with floor
// reflections, and picked by a ray from the camera.
//
// Built for ten thousand covers: adding defers the layout to the next tick,
// draw, pick or selection; textures exist only for covers near the view (a
// few made per frame, a bounded number alive); covers outside the camera's
// frustum are neither drawn nor picked.
class CoverFlowScene : public UI3dScene, public SignalReceiver
{
public:
    static constexpr int kHoverAnimation = 1;
    static constexpr int kSelectionAnimation = 2;
    // Textures made in one frame and alive at once.
    static constexpr int kTexturesPerFrame = 8;
    static constexpr int kMaxTextures = 128;
    // The box every cover is fitted into.
    static constexpr int kCoverBox = 128;
    // Height of a cover's reflection below the floor line.
    static constexpr int kReflectionHeight = 60;

    // With the new selected index (-1 for none), after every change.
    Signal selectionChanged;
    // With the kind of animation that has just ended.
    Signal animationFinished;

    CoverFlowScene();
    ~CoverFlowScene() override;

    const Vec3& focus() const { return m_focus; }
    void setFocus(const Vec3& focus);
    float visibleWidth() const { return m_visibleWidth; }
    // Covers farther than half of it from the focus are neither drawn nor
    // picked, and the shade grows with the distance up to it; relayout
    // afterwards.
    void setVisibleWidth(float width);
    void setCentreGap(float gap) { m_centreGap = gap; }
    void setSelectedScale(float scale) { m_selectedScale = scale; }
    void setSideSpacing(float spacing) { m_sideSpacing = spacing; }
    // Shade at the focus and at half the visible width from it.
    void setShades(float minShade, float maxShade);
    // Radians about the vertical axis.
    void setSideAngle(float angle) { m_sideAngle = angle; }
    void setSelectedOffset(const Vec3& offset) { m_selectedOffset = offset; }
    // Progress per second; 2 runs an animation in half a second.
    void setAnimationSpeed(float speed) { m_animationSpeed = speed; }
    // Where covers added without a picture get theirs; not owned.
    void setSource(CoverSource* source) { m_source = source; }

    // A new cover at the end of the row, showing the picture (shared, not
    // copied) or, for the empty image, what the source gives. The layout
    // follows lazily; a selection animation starts.
    CoverNode* addCover(const Image& picture);
    // Replaces the node's picture; its texture is made again when needed.
    void setNodeImage(CoverNode* node, const Image& picture);
    // A cover for each picture file (bmp, png, jpg, jpeg) of the folder, in
    // the order the folder lists them, its pixels fitted into size; its
    // texture is named after the file. Files that do not load are skipped.
    // The number of covers added.
    int loadImages(const String& folder, const Size& size);
    // Clears the selection (announcing it when there was one), then deletes
    // every cover.
    void clear();
    // The point of each cover that stands on its position and about which it
    // turns: a QuadNode anchor code; an unknown code changes nothing. Covers
    // stand on their bottom centre unless told otherwise.
    void setAnchorAll(int anchor);
    int anchor() const { return m_anchor; }

    int count() const { return static_cast<int>(m_nodes.size()); }
    bool isEmpty() const { return m_nodes.empty(); }
    // Null outside 0..count-1.
    CoverNode* node(int index) const;
    int indexOf(const CoverNode* node) const;
    int indexOfId(int32_t id) const;
    CoverNode* nodeById(int32_t id) const;
    int selectedIndex() const { return m_selectedIndex; }
    CoverNode* selectedNode() const { return node(m_selectedIndex); }
    // 0 without a selection.
    int32_t selectedId() const;
    CoverNode* hoveredNode() const { return m_hovered; }

    // False, changing nothing, for an index below -1, at or past the count,
    // or equal to the selection; else animates to it and announces it.
    bool select(int index);
    // select, for an index of a cover only.
    void setSelectedIndex(int index);
    void selectNext();
    void selectPrevious();
    void selectNode(CoverNode* node);
    // Selects the first cover showing that texture; nothing for none.
    void selectByTexture(const Texture* texture);

    // The cover drawn where the ray meets the covers: the hovered one when
    // the ray hits it (it is drawn over everything), else the one hit
    // nearest the camera; null when none.
    CoverNode* pickNode(const Ray& ray);
    String titleAt(const Ray& ray) override;
    // Brightens the cover under the ray and restores the one it left; a
    // click selects the hovered cover.
    void updateHover(const Ray& ray, bool click);
    // Every cover jumps to its place without animation.
    void relayout();
    // Covers to their places, and the selected one slides out of the focus.
    void restartAnimation();

    void tick(int32_t ms) override;
    void draw() override;
    bool needsFrame() const override;

    bool isAnimating() const { return m_animating; }
    int animationKind() const { return m_animationKind; }
    float progress() const { return m_progress; }
    // The shade of a cover standing at the point (not clamped).
    float shadeAt(const Vec3& point) const;
    // Textures alive now.
    int textureCount() const { return static_cast<int>(m_resident.size()); }
    // The eased progress: most of the way in the first half of the time.
    static float ease(float t);

private:
    void ensureLayout();
    void layout();
    void snapToTargets();
    void startAnimation(int kind);
    void startHoverAnimation();
    // Emits and tells whether the scene survived the slots.
    bool emitGuarded(Signal& signal, int value);
    void markChanged() { m_changed = true; }

    bool cullingFrustum(Frustum& frustum) const;
    bool isWithinView(const CoverNode& node) const;
    bool isShown(const CoverNode& node, int index) const;
    bool coverInFrustum(const CoverNode& node, const Frustum& frustum) const;
    bool reflectionInFrustum(const CoverNode& node, const Frustum& frustum) const;
    bool isDrawn(const CoverNode& node, int index, const Frustum* frustum) const;
    // Whether the ray meets the cover, and how far from its origin.
    bool hits(const CoverNode& node, const Ray& ray, float& distance);
    float distanceSquared(const CoverNode& node) const;

    // Textures: made nearest first as covers near the view, released as
    // they leave it.
    void updateTextures(RenderDevice& device);
    void releaseFarTextures(float farSquared);
    bool makeRoomFor(float distanceSq);
    void makeTexture(RenderDevice& device, CoverNode& node);
    void releaseTexture(CoverNode& node);
    void fitNode(CoverNode& node, const Size& picture);

    void placeQuad(const CoverNode& node);
    void drawCover(const CoverNode& node);
    void drawReflection(const CoverNode& node, int index, const Frustum* frustum);
    void drawReflections(const Frustum* frustum);
    void drawCovers(const Frustum* frustum);

    Vec3 m_focus;
    float m_visibleWidth = 0.0f;
    float m_centreGap = 250.0f;
    float m_selectedScale = 2.0f;
    float m_sideSpacing = 20.0f;
    float m_minShade = 0.0f;
    float m_maxShade = 0.0f;
    float m_sideAngle = 1.2f;
    Vec3 m_selectedOffset;
    int m_selectedIndex = -1;
    int m_anchor = QuadNode::kBottomCentre;
    bool m_animating = false;
    int m_animationKind = 0;
    float m_progress = 0.0f;
    float m_animationSpeed = 10.0f;
    CoverNode* m_hovered = nullptr;
    std::vector<std::unique_ptr<CoverNode>> m_nodes;

    bool m_layoutPending = false;
    bool m_changed = false;
    bool m_texturesPending = false;
    CoverSource* m_source = nullptr;
    std::vector<CoverNode*> m_resident;
    // The quad every cover and reflection is drawn and hit-tested through.
    QuadNode m_quad;
    // Cleared when the scene goes, for code that emits and then returns.
    std::shared_ptr<bool> m_alive;
};
