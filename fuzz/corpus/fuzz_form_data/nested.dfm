inherited frmTpOperFil: TfrmTpOperFil
  // a comment up to the end of the line
  inherited panBotoes: TPanel
    object btnConfirma: TSpeedButton [2]
      Hint = 'Confirma'
      OnClick = btnConfirmaClick
    end
  end
  inline fraLista: TfraLista
    object TTimer
      Interval = 500
    end
  end
  object dbgTpOperFil: TDBGrid
    Columns = <
      item
        FieldName = 'CDTIPOOPER'
        Width = 40
      end
      item [1]
        FieldName = 'IDLIBERADO'
        PickList.Strings = (
          'S'
          'N')
      end>
  end
end
