inherited frmDadosEmissaoNF: TfrmDadosEmissaoNF
  Left = 260
  Top = 160
  Width = 560
  Height = 400
  BorderIcons = [biSystemMenu]
  Caption = 'Dados para Emissão de NF'
  Position = poMainFormCenter
  OnClose = FormClose
  inherited panMenu: TPanel
    inherited lblCodTela: TLabel
      Caption = 'GER99502'
    end
  end
  object qryInscMunicip: TADOIBQuery
    CursorLocation = clUseClient
    CursorType = ctKeyset
    LockType = ltReadOnly
    CacheSize = 1
    MaxRecords = 0
    Parameters = <
      item
        Name = 'P_CDEMPRESA'
        DataType = ftString
        Size = -1
        Value = Null
      end
      item
        Name = 'P_CDINSCMUNI'
        DataType = ftString
        Size = -1
        Value = Null
      end
      item
        Name = 'P_TCDINSCMUNI'
        DataType = ftString
        Size = -1
        Value = Null
      end>
    SQL.Strings = (
      'SELECT'
      '   CDINSCMUNI'
      'FROM'
      '   INSCRMUNICIP'
      'WHERE'
      '   (CDEMPRESA  = :P_CDEMPRESA) AND'
      '   ((CDINSCMUNI = :P_CDINSCMUNI) OR (''T'' = :P_TCDINSCMUNI))'
      'ORDER BY'
      '   CDINSCMUNI')
    Left = 460
    Top = 8
    object qryInscMunicipCDINSCMUNI: TADOIBStringField
      DisplayLabel = 'Código'
      FieldName = 'CDINSCMUNI'
      Origin = 'INSCRMUNICIP.CDINSCMUNI'
      Size = 16
    end
  end
  object dtsInscMunicip: TDataSource
    DataSet = qryInscMunicip
    Left = 428
    Top = 8
  end
end
