;;; vrn.lsp: AutoCAD commands for vrn, Hebrew text for AutoCAD.
;;;
;;; Register vrn.dll once with regsvr32, then load this file with APPLOAD
;;; (add it to the Startup Suite to have the commands in every drawing).
;;; Every command talks to one vrn.autovrn object per AutoCAD session; a
;;; member that fails prints its message on the command line.
;;;
;;;   HTEXT      new single-line Hebrew text at a picked point
;;;   HEDIT      edit a picked text, attribute, dimension or MTEXT
;;;   HMTEXT     new multi-line text, or edit a picked MTEXT
;;;   HATT       edit the attributes of picked blocks, one after another
;;;   HREPLACE   find and replace in the drawing's texts
;;;   HTOMTEXT   join picked single-line texts into one MTEXT
;;;   HLIB       the text library
;;;   HCHART     font chart of the current text style
;;;   HPLOT      prepare the drawing's texts and plot
;;;   HREVIT     a copy of the drawing for Revit
;;;   HCONVERT   convert or remap the fonts of the whole drawing
;;;   HFONTS     the font map: which fonts hold Hebrew, and how
;;;   HLANG      switch the keyboard between Hebrew and English
;;;   HABOUT     the vrn version
;;;
;;; For other routines: (vrn-acadtostr TEXT KIND) and (vrn-strtoacad TEXT FONT-TYPE)
;;; return vrn's result text, or nil after printing why they failed;
;;; (vrn-acadversin VERSION) tells vrn the host's version text.

(vl-load-com)

(setq *vrn* nil)

;; The one automation object of the session, made on first use and given
;; the application object; nil (after saying why) when vrn.dll is missing.
(defun vrn:object (/ made)
  (if (null *vrn*)
    (progn
      (setq made (vl-catch-all-apply 'vlax-create-object '("vrn.autovrn")))
      (if (or (null made) (vl-catch-all-error-p made))
        (princ "\nvrn: vrn.autovrn is not registered; run regsvr32 on vrn.dll.")
        (if (vrn:succeeded "SetApp"
              (function (lambda () (vlax-invoke-method made 'SetApp (vlax-get-acad-object)))))
          (progn
            (setq *vrn* made)
            (vrn:succeeded "aver"
              (function (lambda () (vlax-put-property *vrn* 'aver (getvar "ACADVER")))))
          )
          (vlax-release-object made)
        )
      )
    )
  )
  *vrn*
)

;; Runs THUNK; on an error prints it with the member's NAME and answers nil.
(defun vrn:succeeded (name thunk / result)
  (setq result (vl-catch-all-apply thunk nil))
  (if (vl-catch-all-error-p result)
    (progn
      (princ (strcat "\nvrn " name ": " (vl-catch-all-error-message result)))
      nil
    )
    T
  )
)

;; The handle of a picked entity, or nil when nothing was picked.
(defun vrn:pick-handle (prompt / picked)
  (setq picked (entsel prompt))
  (if picked (cdr (assoc 5 (entget (car picked)))))
)

(defun vrn:result ()
  (vlax-get-property *vrn* 'Vrnstr)
)

;; The space the user draws in: paper space in a layout outside any viewport.
(defun vrn:current-space (doc)
  (if (and (= (getvar "TILEMODE") 0) (= (getvar "CVPORT") 1))
    (vla-get-PaperSpace doc)
    (vla-get-ModelSpace doc)
  )
)

;; The height a new text gets: the style's fixed height, else asked with
;; TEXTSIZE as the default, as AutoCAD's TEXT command does.
(defun vrn:text-height (at / fixed asked)
  (setq fixed (cdr (assoc 40 (tblsearch "STYLE" (getvar "TEXTSTYLE")))))
  (if (and fixed (> fixed 0.0))
    fixed
    (progn
      (setq asked (getdist at (strcat "\nHeight <" (rtos (getvar "TEXTSIZE")) ">: ")))
      (if asked asked (getvar "TEXTSIZE"))
    )
  )
)

;; An empty single-line text in the current style, made in one undo step;
;; answers its handle, or nil after printing the host's error.
(defun vrn:add-empty-text (at height / doc text)
  (setq doc (vla-get-ActiveDocument (vlax-get-acad-object)))
  (vla-StartUndoMark doc)
  (vrn:succeeded "AddText"
    (function
      (lambda ()
        (setq text (vla-AddText (vrn:current-space doc) "" (vlax-3d-point (trans at 1 0)) height))
        (vla-put-StyleName text (getvar "TEXTSTYLE"))
      )
    )
  )
  (vla-EndUndoMark doc)
  (if text (vla-get-Handle text))
)

(defun c:HTEXT (/ at height handle)
  (if (and (vrn:object) (setq at (getpoint "\nStart point of the text: ")))
    (progn
      (setq height (vrn:text-height at))
      (if (setq handle (vrn:add-empty-text at height))
        (vrn:succeeded "newtext" (function (lambda () (vlax-invoke-method *vrn* 'newtext handle))))
      )
    )
  )
  (princ)
)

(defun c:HEDIT (/ handle)
  (if (and (vrn:object) (setq handle (vrn:pick-handle "\nSelect a text to edit: ")))
    (vrn:succeeded "edit" (function (lambda () (vlax-invoke-method *vrn* 'edit handle))))
  )
  (princ)
)

(defun c:HMTEXT (/ picked handle)
  (if (vrn:object)
    (progn
      (initget "New")
      (setq picked (entsel "\nSelect an MTEXT or [New] <New>: "))
      (setq handle (if (= (type picked) 'LIST) (cdr (assoc 5 (entget (car picked)))) ""))
      (vrn:succeeded "mtext" (function (lambda () (vlax-invoke-method *vrn* 'mtext handle))))
    )
  )
  (princ)
)

;; "Select another block" in the attribute editor leaves "NEXT" in Vrnstr.
(defun c:HATT (/ handle next)
  (setq next T)
  (while (and next (vrn:object) (setq handle (vrn:pick-handle "\nSelect a block: ")))
    (setq next
      (and (vrn:succeeded "block" (function (lambda () (vlax-invoke-method *vrn* 'block handle))))
           (= (vrn:result) "NEXT")
      )
    )
  )
  (princ)
)

(defun c:HREPLACE ()
  (if (vrn:object)
    (vrn:succeeded "replace" (function (lambda () (vlax-invoke-method *vrn* 'replace))))
  )
  (princ)
)

(defun c:HTOMTEXT ()
  (if (vrn:object)
    (vrn:succeeded "HtoMtext" (function (lambda () (vlax-invoke-method *vrn* 'HtoMtext))))
  )
  (princ)
)

(defun c:HLIB ()
  (if (vrn:object)
    (vrn:succeeded "Hlib" (function (lambda () (vlax-invoke-method *vrn* 'Hlib))))
  )
  (princ)
)

(defun c:HCHART ()
  (if (vrn:object)
    (vrn:succeeded "HShowfont" (function (lambda () (vlax-invoke-method *vrn* 'HShowfont))))
  )
  (princ)
)

(defun c:HPLOT ()
  (if (vrn:object)
    (vrn:succeeded "Hplot" (function (lambda () (vlax-invoke-method *vrn* 'Hplot))))
  )
  (princ)
)

(defun c:HREVIT ()
  (if (vrn:object)
    (vrn:succeeded "Convert" (function (lambda () (vlax-invoke-method *vrn* 'Convert))))
  )
  (princ)
)

(defun c:HCONVERT ()
  (if (vrn:object)
    (vrn:succeeded "hfont_convert"
      (function (lambda () (vlax-invoke-method *vrn* 'Cmd "hfont_convert" "" "")))
    )
  )
  (princ)
)

(defun c:HFONTS ()
  (if (vrn:object)
    (vrn:succeeded "FontTable" (function (lambda () (vlax-invoke-method *vrn* 'FontTable))))
  )
  (princ)
)

;; "heb" is Hebrew's ISO 639-2 code; any other code selects English.
(defun c:HLANG (/ choice)
  (if (vrn:object)
    (progn
      (initget "Hebrew English")
      (setq choice (getkword "\nKeyboard [Hebrew/English] <Hebrew>: "))
      (vrn:succeeded "set_lang"
        (function
          (lambda ()
            (vlax-invoke-method *vrn* 'Cmd "set_lang" (if (= choice "English") "" "heb") "")
          )
        )
      )
    )
  )
  (princ)
)

(defun c:HABOUT ()
  (if (vrn:object)
    (vrn:succeeded "about_vrn"
      (function (lambda () (vlax-invoke-method *vrn* 'Cmd "about_vrn" "" "")))
    )
  )
  (princ)
)

;; The drawing's stored form of TEXT (KIND: its font type) as a reader reads it.
(defun vrn-acadtostr (text kind)
  (if (and (vrn:object)
           (vrn:succeeded "acadtostr"
             (function (lambda () (vlax-invoke-method *vrn* 'acadtostr text kind)))
           )
      )
    (vrn:result)
  )
)

;; TEXT as typed, in the stored form of font type FONT-TYPE.
(defun vrn-strtoacad (text font-type)
  (if (and (vrn:object)
           (vrn:succeeded "strtoacad"
             (function (lambda () (vlax-invoke-method *vrn* 'strtoacad text font-type)))
           )
      )
    (vrn:result)
  )
)

(defun vrn-acadversin (version)
  (if (vrn:object)
    (vrn:succeeded "acadversin"
      (function (lambda () (vlax-invoke-method *vrn* 'acadversin version)))
    )
  )
)

(princ "\nvrn commands: HTEXT HEDIT HMTEXT HATT HREPLACE HTOMTEXT HLIB HCHART HPLOT HREVIT HCONVERT HFONTS HLANG HABOUT")
(princ)
